#include "harness/score_window_harness.h"

#include <gtest/gtest.h>
#include <QApplication>

#include "platform/ui/image_control.h"

namespace scoreink::test {

WindowOptions WithPrinter600Offsets100() {
  WindowOptions options;
  options.facts = WithPrinter(DefaultDeviceFacts(), 600, 100);
  return options;
}

ScoreWindowHarness::ScoreWindowHarness(WindowOptions options)
    : folder_(options.executableFolder), devices_(options.facts) {
  if (options.prepare) options.prepare(folder_);
  if (options.answers) options.answers(dialogs_);
  window_ = std::make_unique<TForm1>();
  SetWindow(window_.get());
  started_ = window_->FormCreate(options.givenFile);
  if (started_ && options.show) window_->show();
}

ScoreWindowHarness::~ScoreWindowHarness() {
  // The end of a test is not a user's close: run the close handler without the unsaved-changes
  // question, which a test that wants it asks for with Close().
  if (!closed_ && window_) {
    closed_ = true;
    if (started_) window_->FormClose(window_.get());
  }
  window_.reset();
  // Deferred deletions (windows that released themselves) go before the seams do.
  FinishDeferredDeletes();
}

void ScoreWindowHarness::Close() {
  if (closed_ || !window_) return;
  closed_ = true;
  if (window_->isVisible())
    window_->close();
  else
    window_->FormClose(window_.get());
}

void ScoreWindowHarness::PressOnScore(const QPoint& pos, Qt::MouseButton button) {
  Press("Image1", pos, button);
}

void ScoreWindowHarness::MoveOnScore(const QPoint& pos) {
  Move("Image1", pos);
}

void ScoreWindowHarness::ReleaseOnScore(const QPoint& pos, Qt::MouseButton button) {
  Release("Image1", pos, button);
}

void ScoreWindowHarness::DragOnScore(const QPoint& from, const QPoint& to, int steps,
                                     Qt::MouseButton button) {
  Drag("Image1", from, to, steps, button);
}

ImageControl* ScoreWindowHarness::ScoreView() const {
  return window_->Control<ImageControl>("Image1");
}

ImageControl* ScoreWindowHarness::Overlay() const {
  return window_->Control<ImageControl>("Image2");
}

QImage& ScoreWindowHarness::Score() {
  return ScoreView()->Picture();
}

int ScoreWindowHarness::Zoom() const {
  return window_->ZoomPercent();
}

}  // namespace scoreink::test

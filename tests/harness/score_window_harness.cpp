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

ScoreWindowHarness::ScoreWindowHarness(WindowOptions options) : devices_(options.facts) {
  if (options.prepare) options.prepare(folder_);
  if (options.answers) options.answers(dialogs_);
  window_ = std::make_unique<TForm1>();
  driver_.SetWindow(window_.get());
  started_ = window_->FormCreate();
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
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ScoreWindowHarness::Close() {
  if (closed_ || !window_) return;
  closed_ = true;
  if (window_->isVisible())
    window_->close();
  else
    window_->FormClose(window_.get());
}

QWidget* ScoreWindowHarness::Find(const QString& name) const {
  return driver_.Find(name);
}

void ScoreWindowHarness::Click(const QString& name) {
  driver_.Click(name);
}

void ScoreWindowHarness::ClickAt(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  driver_.ClickAt(name, pos, button);
}

void ScoreWindowHarness::DoubleClickAt(const QString& name, const QPoint& pos) {
  driver_.DoubleClickAt(name, pos);
}

void ScoreWindowHarness::ChooseIndex(const QString& name, int index) {
  driver_.ChooseIndex(name, index);
}

void ScoreWindowHarness::Press(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  driver_.Press(name, pos, button);
}

void ScoreWindowHarness::Move(const QString& name, const QPoint& pos) {
  driver_.Move(name, pos);
}

void ScoreWindowHarness::Release(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  driver_.Release(name, pos, button);
}

void ScoreWindowHarness::PressOnScore(const QPoint& pos, Qt::MouseButton button) {
  driver_.Press("Image1", pos, button);
}

void ScoreWindowHarness::MoveOnScore(const QPoint& pos) {
  driver_.Move("Image1", pos);
}

void ScoreWindowHarness::ReleaseOnScore(const QPoint& pos, Qt::MouseButton button) {
  driver_.Release("Image1", pos, button);
}

void ScoreWindowHarness::DragOnScore(const QPoint& from, const QPoint& to, int steps,
                                     Qt::MouseButton button) {
  driver_.Drag("Image1", from, to, steps, button);
}

QImage& ScoreWindowHarness::Score() {
  return window_->Image1->Picture();
}

int ScoreWindowHarness::Zoom() const {
  return window_->ZoomPercent();
}

}  // namespace scoreink::test

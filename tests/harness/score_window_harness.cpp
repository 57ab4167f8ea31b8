#include "harness/score_window_harness.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>

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
  QWidget* control = window_->findChild<QWidget*>(name);
  if (!control) ADD_FAILURE() << "The score window has no control named " << name.toStdString();
  return control;
}

void ScoreWindowHarness::Click(const QString& name) {
  QWidget* control = Find(name);
  if (!control) return;
  if (window_->isVisible() && !control->isVisible()) {
    ADD_FAILURE() << "Cannot click " << name.toStdString() << ": it is hidden";
    return;
  }
  ClickWidget(control);
}

void ScoreWindowHarness::ClickAt(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  if (QWidget* control = Find(name)) ClickWidgetAt(control, pos, button);
}

void ScoreWindowHarness::DoubleClickAt(const QString& name, const QPoint& pos) {
  if (QWidget* control = Find(name)) DoubleClickWidgetAt(control, pos);
}

void ScoreWindowHarness::ChooseIndex(const QString& name, int index) {
  auto* combo = Find<QComboBox>(name);
  if (!combo) {
    ADD_FAILURE() << name.toStdString() << " is no combo box";
    return;
  }
  ChooseComboIndex(combo, index);
}

void ScoreWindowHarness::Press(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  QWidget* control = Find(name);
  if (!control) return;
  held_ |= button;
  SendMouse(control, QEvent::MouseButtonPress, pos, button, held_);
}

void ScoreWindowHarness::Move(const QString& name, const QPoint& pos) {
  if (QWidget* control = Find(name))
    SendMouse(control, QEvent::MouseMove, pos, Qt::NoButton, held_);
}

void ScoreWindowHarness::Release(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  QWidget* control = Find(name);
  if (!control) return;
  held_ &= ~Qt::MouseButtons(button);
  SendMouse(control, QEvent::MouseButtonRelease, pos, button, held_);
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
  PressOnScore(from, button);
  const int n = std::max(steps, 1);
  for (int i = 1; i <= n; ++i) MoveOnScore(from + (to - from) * i / n);
  ReleaseOnScore(to, button);
}

QImage& ScoreWindowHarness::Score() {
  return window_->Image1->Picture();
}

int ScoreWindowHarness::Zoom() const {
  return window_->ZoomPercent();
}

}  // namespace scoreink::test

#include "harness/form_driver.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <algorithm>

#include "harness/widget_input.h"

namespace scoreink::test {

QWidget* FormDriver::Find(const QString& name) const {
  if (!window_) {
    ADD_FAILURE() << "No window to find " << name.toStdString() << " in: it is gone";
    return nullptr;
  }
  QWidget* control = window_->findChild<QWidget*>(name);
  if (!control)
    ADD_FAILURE() << window_->objectName().toStdString() << " has no control named "
                  << name.toStdString();
  return control;
}

void FormDriver::Click(const QString& name) {
  QWidget* control = Find(name);
  if (!control) return;
  if (window_->isVisible() && !control->isVisible()) {
    ADD_FAILURE() << "Cannot click " << name.toStdString() << ": it is hidden";
    return;
  }
  if (!control->isEnabled()) {
    ADD_FAILURE() << "Cannot click " << name.toStdString() << ": it is disabled";
    return;
  }
  ClickWidget(control);
}

void FormDriver::ClickAt(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  if (QWidget* control = Find(name)) ClickWidgetAt(control, pos, button);
}

void FormDriver::DoubleClickAt(const QString& name, const QPoint& pos) {
  if (QWidget* control = Find(name)) DoubleClickWidgetAt(control, pos);
}

void FormDriver::ChooseIndex(const QString& name, int index) {
  auto* combo = Find<QComboBox>(name);
  if (!combo) {
    ADD_FAILURE() << name.toStdString() << " is no combo box";
    return;
  }
  ChooseComboIndex(combo, index);
}

void FormDriver::Press(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  QWidget* control = Find(name);
  if (!control) return;
  held_ |= button;
  SendMouse(control, QEvent::MouseButtonPress, pos, button, held_);
}

void FormDriver::Move(const QString& name, const QPoint& pos) {
  if (QWidget* control = Find(name))
    SendMouse(control, QEvent::MouseMove, pos, Qt::NoButton, held_);
}

void FormDriver::Release(const QString& name, const QPoint& pos, Qt::MouseButton button) {
  QWidget* control = Find(name);
  if (!control) return;
  held_ &= ~Qt::MouseButtons(button);
  SendMouse(control, QEvent::MouseButtonRelease, pos, button, held_);
  FinishInput();
}

void FormDriver::Drag(const QString& name, const QPoint& from, const QPoint& to, int steps,
                      Qt::MouseButton button) {
  Press(name, from, button);
  const int n = std::max(steps, 1);
  for (int i = 1; i <= n; ++i) Move(name, from + (to - from) * i / n);
  Release(name, to, button);
}

void FinishDeferredDeletes() {
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace scoreink::test

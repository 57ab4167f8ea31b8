#include "harness/widget_input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest/QTest>

namespace scoreink::test {

QPoint NaturalClickPoint(const QWidget* control) {
  if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control)) {
    QStyleOptionButton option;
    option.initFrom(control);
    const QStyle::SubElement element = qobject_cast<const QRadioButton*>(control)
                                           ? QStyle::SE_RadioButtonIndicator
                                           : QStyle::SE_CheckBoxIndicator;
    return control->style()->subElementRect(element, &option, control).center();
  }
  return control->rect().center();
}

void ClickWidget(QWidget* control, Qt::MouseButton button) {
  ClickWidgetAt(control, NaturalClickPoint(control), button);
}

void ClickWidgetAt(QWidget* control, const QPoint& pos, Qt::MouseButton button) {
  QTest::mouseClick(control, button, Qt::NoModifier, pos);
  FinishInput();
}

void FinishInput() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

void DoubleClickWidgetAt(QWidget* control, const QPoint& pos) {
  // What a user's double click delivers: press, release, double click, release.
  QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, pos);
  QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, pos);
  QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, pos);
  QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, pos);
}

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void ChooseComboIndex(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

}  // namespace scoreink::test

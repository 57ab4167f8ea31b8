#pragma once
// Drives real widgets as a user would: clicks through Qt Test, and mouse presses, moves and
// releases as real QMouseEvents sent to the widget (so that its own signals fire), with the
// held buttons reported during moves.
#include <QEvent>
#include <QPoint>

class QComboBox;
class QWidget;

namespace scoreink::test {

// The point a user would click: the indicator of a radio button or check box, the middle of
// anything else.
QPoint NaturalClickPoint(const QWidget* control);

// A left (or other) click at the natural point, or at pos in the control's coordinates.
void ClickWidget(QWidget* control, Qt::MouseButton button = Qt::LeftButton);
// What the program does once an input has been handled (a notice it waited with until the
// button was let go) runs before the next input, as in the event loop.
void FinishInput();
void ClickWidgetAt(QWidget* control, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
void DoubleClickWidgetAt(QWidget* control, const QPoint& pos);

// One mouse event to target at pos (target's coordinates). held: the buttons down after the
// event (for a press including button, for a release without it).
void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons held);

// Chooses an item as the user would: the index changes and the combo box reports a choice.
void ChooseComboIndex(QComboBox* combo, int index);

}  // namespace scoreink::test

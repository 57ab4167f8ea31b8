#pragma once
// Input that reaches a window through the desktop rather than a control: keys pressed while
// the window is the active one (so that its shortcuts answer), wheel turns and files dropped
// from a file manager.
#include <QKeySequence>
#include <QPoint>
#include <QString>

class QWidget;

namespace scoreink::test {

// Makes window the active window and types keys into whatever has its focus.
void PressKeys(QWidget* window, const QKeySequence& keys);
void PressKeys(QWidget* window, const char* portableKeys);

// Turns the wheel by notches (positive: away from the user) with the pointer at pos of target
// and the modifiers held; the event goes up to the parents that do not take it, as a real one.
void TurnWheel(QWidget* target, const QPoint& pos, int notches,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Drags the file at path over window at pos and drops it there. False when the window refused
// the drag. What the drop starts runs once the event loop has been given a turn (done here).
bool DropFile(QWidget* window, const QString& path, const QPoint& pos = {400, 300});

// Gives the event loop a turn: work queued by a handler has run afterwards.
void LetEventsRun();

}  // namespace scoreink::test

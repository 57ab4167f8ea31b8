#pragma once
// What the shared history tells the user, the same in every window that records into it: undo
// and redo that cannot step, steps that the work folder stopped taking, and a recovery copy
// that cannot be written.
#include <QObject>

#include "platform/history/edit_history.h"

namespace scoreink {

// "これより前はない" at the start of the history, "何か事故" for a missing snapshot; nothing
// when the undo loaded its picture.
void TellUndoStep(EditHistory::Step step);
// "これより後はない" unless the redo loaded its picture.
void TellRedoStep(EditHistory::Step step);

// Starts a gesture on picture in the shared history. The gesture always goes on; what could
// not be written is told once the user lets go (TellWorkTrouble), never in the middle of it.
void RecordGesture(const QImage& picture);
// Tells in one box, once per cause, that the steps are kept in memory and that the recovery
// copy cannot be written (a crash now would lose the work since a given time). Nothing while
// a mouse button is held: a box in the middle of a stroke would swallow it.
void TellWorkTrouble();
// Calls TellWorkTrouble after every input the user gives the program, for as long as owner
// lives.
void KeepTellingWorkTrouble(QObject& owner);

}  // namespace scoreink

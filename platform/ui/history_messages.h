#pragma once
// What the shared history tells the user, the same in every window that records into it: undo
// and redo that cannot step, and a work folder that stopped taking steps.
#include "platform/edit_history.h"

namespace scoreink {

// "これより前はない" at the start of the history, "何か事故" for a missing snapshot; nothing
// when the undo loaded its picture.
void TellUndoStep(EditHistory::Step step);
// "これより後はない" unless the redo loaded its picture.
void TellRedoStep(EditHistory::Step step);

// Starts a gesture on picture in the shared history. The gesture always goes on; when the
// work folder has just stopped taking steps, the user is told once that they are kept in
// memory.
void RecordGesture(const QImage& picture);
// Tells that once, when it has just happened (undo and redo write the gesture they end).
void TellHistoryTrouble();

}  // namespace scoreink

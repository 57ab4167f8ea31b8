#pragma once
// What undo and redo tell the user when they cannot step, the same in every window that
// steps through the shared history.
#include "platform/edit_history.h"

namespace scoreink {

// "これより前はない" at the start of the history, "何か事故" for a missing snapshot; nothing
// when the undo loaded its picture.
void TellUndoStep(EditHistory::Step step);
// "これより後はない" unless the redo loaded its picture.
void TellRedoStep(EditHistory::Step step);

}  // namespace scoreink

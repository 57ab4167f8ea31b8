#include "editing/handlers/history_messages.h"

#include "editing/handlers/score_notes.h"

namespace scoreink {

void TellUndoStep(EditHistory::Step step) {
  switch (step) {
    case EditHistory::Step::NothingBefore:
      TellScoreNote("これより前はない");
      break;
    case EditHistory::Step::Missing:
      TellAccident();
      break;
    case EditHistory::Step::Loaded:
    case EditHistory::Step::NothingAfter:
      break;
  }
}

void TellRedoStep(EditHistory::Step step) {
  if (step != EditHistory::Step::Loaded) TellScoreNote("これより後はない");
}

}  // namespace scoreink

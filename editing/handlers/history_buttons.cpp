// Undo and redo of the score window.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::Btn7Click(QObject*) {
  FocusSink();
}

void TForm1::Btn8Click(QObject*) {
  FocusSink();
}

}  // namespace scoreink

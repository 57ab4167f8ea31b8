// Tool choice, pen width and colour, and the eraser repaint.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::RBtnLMClick(QObject*) {
  FocusSink();
}

void TForm1::RBtnSBClick(QObject*) {
  FocusSink();
}

void TForm1::Btn5Or6Click(QObject*) {
  FocusSink();
}

void TForm1::ColEdtClick(QObject*) {
  FocusSink();
}

void TForm1::RestoreEraseBox(int, int) {}

}  // namespace scoreink

// Handlers whose work the score window does not do yet. Each button, radio-button and
// colour-box handler already starts with the focus sink, so that whatever floats is committed
// before the command, as every panel action must.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::Btn0Click(QObject*) {
  FocusSink();
  close();
}

void TForm1::Btn1Click(QObject*) {
  FocusSink();
}

void TForm1::Btn2Click(QObject*) {
  FocusSink();
}

void TForm1::Btn3Click(QObject*) {
  FocusSink();
}

void TForm1::Btn4Click(QObject*) {
  FocusSink();
}

void TForm1::Btn7Click(QObject*) {
  FocusSink();
}

void TForm1::Btn8Click(QObject*) {
  FocusSink();
}

void TForm1::Btn11Click(QObject*) {
  FocusSink();
}

void TForm1::Btn12Click(QObject*) {
  FocusSink();
}

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

void TForm1::BtnXXClick(QObject*) {
  FocusSink();
}

void TForm1::ImgVClick(QObject*) {
  CommitPending();
}

void TForm1::Image1MouseDown(Qt::MouseButton, int, int) {}

void TForm1::Image1MouseMove(int, int) {}

void TForm1::Image1MouseUp(Qt::MouseButton, int, int) {}

void TForm1::Image2MouseDown(Qt::MouseButton, int, int) {}

void TForm1::Image2MouseMove(int, int) {}

void TForm1::Image2MouseUp(Qt::MouseButton, int, int) {}

bool TForm1::CommitPending() {
  return false;
}

void TForm1::LeavePaletteMode() {}

void TForm1::LoadSymbolSlot(int) {}

}  // namespace scoreink

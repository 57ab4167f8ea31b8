// The mouse pipeline of the score surface and the commit of whatever floats.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::Image1MouseDown(Qt::MouseButton, int, int) {}

void TForm1::Image1MouseMove(int, int) {}

void TForm1::Image1MouseUp(Qt::MouseButton, int, int) {}

bool TForm1::CommitPending() {
  return false;
}

void TForm1::DropSymbol() {}

void TForm1::RestoreFromTemplate(int, int, int, int) {}

}  // namespace scoreink

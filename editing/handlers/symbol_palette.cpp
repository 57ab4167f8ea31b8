// The symbol palette: selection, the floating overlay and its drag, leaving symbol mode.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::ImgVClick(QObject*) {
  CommitPending();
}

void TForm1::PlaceSymbolOverlay(int, int) {}

void TForm1::Image2MouseDown(Qt::MouseButton, int, int) {}

void TForm1::Image2MouseMove(int, int) {}

void TForm1::Image2MouseUp(Qt::MouseButton, int, int) {}

void TForm1::BtnXXClick(QObject*) {
  FocusSink();
}

void TForm1::LeavePaletteMode() {}

}  // namespace scoreink

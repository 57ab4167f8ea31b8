// Handlers whose work the score window does not do yet: printing, the symbol editor, the
// custom symbol store and the region tools. Each button handler already starts with the focus
// sink, so that whatever floats is committed before the command.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::Btn11Click(QObject*) {
  FocusSink();
}

void TForm1::Btn12Click(QObject*) {
  FocusSink();
}

void TForm1::LoadSymbolSlot(int) {}

bool TForm1::DropBlock() {
  return false;
}

bool TForm1::LiftBlock() {
  return false;
}

}  // namespace scoreink

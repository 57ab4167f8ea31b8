// The palette strip's "記号追加": opens the symbol editor.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::Btn12Click(QObject*) {
  FocusSink();
}

}  // namespace scoreink

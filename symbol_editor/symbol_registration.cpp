// "OK(登録)": registering the drawing as a custom palette symbol is not part of the program
// yet; the button only takes the focus away.
#include "symbol_editor/tform3.h"

namespace scoreink {

void TForm3::Btn13Click(QObject*) {
  FocusSink();
}

}  // namespace scoreink

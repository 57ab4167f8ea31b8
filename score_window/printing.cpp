// Printing the score on the default printer.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::Btn11Click(QObject*) {
  FocusSink();
}

}  // namespace scoreink

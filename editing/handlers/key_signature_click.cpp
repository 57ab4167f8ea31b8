// The key signature set by a click at the head of a staff system.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::StampKeySignature(int) {}

}  // namespace scoreink

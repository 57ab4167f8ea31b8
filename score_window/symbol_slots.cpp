// The custom symbol slots of the palette strip, filled from the symbol store.
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::LoadSymbolSlot(int) {}

}  // namespace scoreink

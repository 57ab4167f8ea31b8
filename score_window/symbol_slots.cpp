// The custom symbol slots of the palette strip, filled from the symbol store.
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"
#include "symbol_editor/core/symbol_store.h"

namespace scoreink {

void TForm1::LoadSymbolSlot(int n) {
  // A file too large for the strip, or one that cannot be read, leaves its slot empty for
  // this run; the other slots still load, and start-up says nothing.
  const SymbolSlotRead read = ReadSymbolSlot(SlotFolder(SymbolStoreOf(CurrentWorkPlaces), n), n);
  if (read.status != SymbolSlotRead::Status::Loaded) return;
  if (auto* slot = Control<ImageControl>(SymbolSlotImageName(n))) slot->SetPicture(read.image);
}

void TForm1::ShowSymbolSlot(int n, const QImage& picture) {
  if (auto* slot = Control<ImageControl>(SymbolSlotImageName(n))) slot->SetPicture(picture);
}

}  // namespace scoreink

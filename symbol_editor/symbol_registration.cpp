// "OK(登録)": the drawing becomes a custom palette symbol. It is written into a slot of the
// symbol store, shown at once in the score window's palette, and the editor closes.
#include <optional>

#include "platform/history/edit_history.h"
#include "platform/program_values.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/message_box.h"
#include "symbol_editor/core/symbol_store.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

// "OK(登録)": the drawing becomes a symbol of the palette's second row, and the editor closes.
void TForm3::Btn13Click(QObject*) {
  std::optional<BusyCursor> busy(std::in_place);
  FocusSink();
  if (!HasBlackPixel(Drawing())) {
    busy.reset();
    AppMessageBox(QStringLiteral("こんなもの登録したって役に立たないと思う"),
                  QStringLiteral("大きなお世話だろうけど"), MsgButtons::Ok);
    return;
  }

  // The file first: until it is written nothing else changes, so a full disk or a
  // write-protected store costs neither the drawing nor its undo steps.
  const SymbolStoreFolders store = SymbolStoreOf(CurrentWorkPlaces);
  const int slot = ChooseSymbolSlot(store);
  const SymbolSlotWrite written = WriteSymbolSlot(Drawing(), store, slot);
  const QString& error = written.error;
  if (!error.isEmpty()) {
    busy.reset();
    ShowErrorMessage(error);
    return;
  }

  SharedHistory().ResetHistory(true);
  // The palette shows what the file holds, as the next start-up will.
  emit SymbolRegistered(slot, written.written);
  busy.reset();
  Release();
}

}  // namespace scoreink

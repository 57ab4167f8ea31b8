// The symbol editor's way to the image import dialog.
#include "symbol_editor/import_dialog_opener.h"

#include "dialogs/tform4.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

void OpenImportDialog(TForm3& editor) {
  // Owned by the editor; it releases itself after OK or Cancel.
  auto* dialog = new TForm4(editor);
  dialog->FormCreate();
  dialog->show();
}

void RaiseImportDialog(TForm3&) {
  if (!Form4) return;
  Form4->show();
  Form4->raise();
  Form4->activateWindow();
}

void CloseImportDialog(TForm3&) {
  if (Form4) Form4->Release();
}

}  // namespace scoreink

// The symbol editor's way to the image import dialog.
#include "symbol_editor/import_dialog_opener.h"

#include "dialogs/tform4.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

void OpenImportDialog(TForm3& editor, QPointer<TForm4>& dialog) {
  // Owned by the editor; it releases itself after OK or Cancel.
  dialog = new TForm4(editor);
  dialog->FormCreate();
  dialog->show();
}

void RaiseImportDialog(const QPointer<TForm4>& dialog) {
  if (!dialog) return;
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void CloseImportDialog(const QPointer<TForm4>& dialog) {
  if (dialog) dialog->Release();
}

}  // namespace scoreink

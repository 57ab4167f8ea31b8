// The image import dialog is not part of the program yet: "OpenFile" opens nothing.
#include "symbol_editor/import_dialog_opener.h"

namespace scoreink {

void OpenImportDialog(TForm3&) {}

void RaiseImportDialog(TForm3&) {}

void CloseImportDialog(TForm3&) {}

}  // namespace scoreink

#pragma once
// How the symbol editor reaches the image import dialog, which brings a picture into its
// import area ("Img1"). The dialog borrows the import area while it is open; the editor keeps
// it in a QPointer, which these functions fill and use.
#include <QPointer>

namespace scoreink {

class TForm3;
class TForm4;

// Creates and shows a new image import dialog for editor (called only while none is open).
void OpenImportDialog(TForm3& editor, QPointer<TForm4>& dialog);
// Brings the open image import dialog to the front.
void RaiseImportDialog(const QPointer<TForm4>& dialog);
// Closes and releases the open image import dialog without accepting anything.
void CloseImportDialog(const QPointer<TForm4>& dialog);

}  // namespace scoreink

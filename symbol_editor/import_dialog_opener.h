#pragma once
// How the symbol editor reaches the image import dialog, which brings a picture into its
// import area ("Img1"). The dialog sets the editor's ImportOpen while it is open.
namespace scoreink {

class TForm3;

// Creates and shows a new image import dialog for editor (called only while none is open).
void OpenImportDialog(TForm3& editor);
// Brings the open image import dialog to the front.
void RaiseImportDialog(TForm3& editor);
// Closes and releases the open image import dialog without accepting anything.
void CloseImportDialog(TForm3& editor);

}  // namespace scoreink

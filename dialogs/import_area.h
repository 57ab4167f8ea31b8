#pragma once
// What the image import dialog asks of the symbol editor that opens it: the editor's import
// area, through named operations only. The accepted import is the picture the last OK left
// there (the clean copy of the region copies); a split shown since is not accepted yet.
#include <QImage>

class QWidget;

namespace scoreink {

class ImportArea {
 public:
  // The symbol editor itself: the dialog is one of its windows.
  virtual QWidget& EditorWindow() = 0;

  // The import area belongs to the dialog while it is open: it takes no mouse input then.
  virtual void LendImportArea(bool lent) = 0;

  // The split shown in the import area when it is not the accepted import, else null.
  virtual const QImage* UnacceptedSplit() const = 0;
  // Empties the import area's picture (its zoom and size stay).
  virtual void ClearImport() = 0;
  // Puts a picture back into the import area as it was shown (its zoom and size stay).
  virtual void PutImport(const QImage& split) = 0;
  // Shows a new split in the import area, sized to its zoom.
  virtual void ShowImport(const QImage& split) = 0;

  // The split shown becomes the accepted import, and the import area's controls show.
  virtual void AcceptImport() = 0;
  // The import area as the last OK left it: the accepted import, or empty with its hint.
  virtual void RestoreAcceptedImport() = 0;

 protected:
  ~ImportArea() = default;
};

}  // namespace scoreink

// The import area ("Img1") as the image import dialog works on it: lent to the dialog while it
// is open, a split shown there, and the accepted import kept in "ImgBK".
#include <QLabel>

#include "platform/ui/image_control.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

void TForm3::LendImportArea(bool lent) {
  importLent_ = lent;
  Img1->setEnabled(!lent);
}

const QImage* TForm3::UnacceptedSplit() const {
  const QImage& shown = Img1->Picture();
  if (!Img1->HasPicture() || shown.cacheKey() == ImgBK->Picture().cacheKey()) return nullptr;
  return &shown;
}

void TForm3::ClearImport() {
  Img1->ClearPicture();
}

void TForm3::PutImport(const QImage& split) {
  Img1->SetPicture(split);
}

void TForm3::ShowImport(const QImage& split) {
  Img1->SetPicture(split);
  ApplyZoom(1);
}

void TForm3::AcceptImport() {
  // The latest split becomes the accepted import, the clean copy of the region copies.
  ImgBK->SetPicture(Img1->Picture());
  ApplyZoom(1);
  ShowImportControls(true);
}

void TForm3::RestoreAcceptedImport() {
  if (!ImgBK->HasPicture()) {
    // Nothing had been accepted: the import area goes back to empty with its hint.
    ShowImportControls(false);
    Img1->ClearPicture();
    return;
  }
  ShowImport(ImgBK->Picture());
}

void TForm3::ShowImportControls(bool show) {
  for (int n = 10; n <= 11; ++n)
    if (QWidget* control = Control(QStringLiteral("BtnZoomUpDn%1").arg(n)))
      control->setVisible(show);
  for (int n = 1; n <= 4; ++n)
    if (QWidget* control = Control(QStringLiteral("LBL%1").arg(n))) control->setVisible(show);
  LBL7->setVisible(!show);
}

}  // namespace scoreink

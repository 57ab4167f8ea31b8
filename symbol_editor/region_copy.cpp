// "OpenFile" and copying a region of the imported picture into the drawing: a left drag in
// the import area selects the region, shown by a rectangle inverted into the picture.
#include <QLabel>
#include <algorithm>

#include "platform/ui/image_control.h"
#include "symbol_editor/core/region_copy.h"
#include "symbol_editor/import_dialog_opener.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

// "OpenFile": the image import dialog, to bring a picture into the import area.
void TForm3::Btn11Click(QObject*) {
  FocusSink();
  if (importLent_) {
    // One dialog at a time: it works on the one clean copy of the import.
    RaiseImportDialog(importDialog_);
    return;
  }
  if (Img1->HasPicture()) {
    // The clean copy that the dialog's Cancel brings back.
    LBL1->setText(QStringLiteral("100"));
    ApplyZoom(1);
    ImgBK->SetPicture(Img1->Picture());
  }
  OpenImportDialog(*this, importDialog_);
}

void TForm3::Img1MouseDown(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton) return;
  const QPoint p = BitmapPoint(Img1, x, y);
  ImportCanvas.SetPenStyle(PenStyle::Solid);
  ImportCanvas.SetPenWidth(1);
  ImportCanvas.SetPenColor(kBlack);
  // Outline only: a white brush in NotXor would leave the inside as it is all the same.
  ImportCanvas.SetBrushStyle(BrushStyle::Clear);
  ImportCanvas.MoveTo(p.x(), p.y());
  ImportCanvas.ResetDirty();
  selectionMarks_ = QRect();
  Dragging = true;
  StartPt = CurPt = p;
}

void TForm3::Img1MouseMove(int x, int y) {
  if (!Dragging) return;
  QPoint p = BitmapPoint(Img1, x, y);
  const QSize size = Img1->Picture().size();
  p.setX(std::max(0, std::min(p.x(), size.width() - 1)));
  p.setY(std::max(0, std::min(p.y(), size.height() - 1)));
  ImportCanvas.SetPenMode(PenMode::NotXor);
  ImportCanvas.Rectangle(StartPt.x(), StartPt.y(), CurPt.x(), CurPt.y());  // the old one away
  CurPt = p;
  ImportCanvas.Rectangle(StartPt.x(), StartPt.y(), CurPt.x(), CurPt.y());
  selectionMarks_ |= ImportCanvas.Dirty();
  ShowCanvasWork(ImportCanvas, Img1);
}

void TForm3::Img1MouseUp(Qt::MouseButton button, int x, int y) {
  if (button != Qt::LeftButton || !Dragging) return;
  const QPoint q = BitmapPoint(Img1, x, y);
  Dragging = false;
  const QRect region = SelectedRegion(StartPt, q);
  if (region.isEmpty()) {
    RepairImportArea(false);
    return;
  }
  RecordChange();
  // Taken from the clean copy, never from the picture with its feedback.
  Img0->SetPicture(DrawingFromRegion(ImgBK->Picture(), region));
  ApplyZoom(0);
  RepairImportArea(true);
  SetMoveBase();
}

void TForm3::RepairImportArea(bool copied) {
  const QImage& clean = ImgBK->Picture();
  QImage& shown = Img1->Picture();
  const bool matching =
      !clean.isNull() && clean.size() == shown.size() && clean.format() == shown.format();
  if (matching) {
    if (!selectionMarks_.isEmpty()) {
      ImportCanvas.CopyRect(selectionMarks_, clean, selectionMarks_);
      ShowCanvasWork(ImportCanvas, Img1);
    }
  } else if (copied) {
    Img1->SetPicture(clean);
  }
  selectionMarks_ = QRect();
}

}  // namespace scoreink

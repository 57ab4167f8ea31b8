#include "symbol_editor/tform3.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "platform/history/edit_history.h"
#include "platform/ui/form_builder.h"
#include "platform/ui/history_messages.h"
#include "platform/ui/image_control.h"
#include "symbol_editor/editor_controls.h"
#include "symbol_editor/import_dialog_opener.h"

namespace scoreink {

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  if (!Form3) Form3 = this;
  SetUpFormWindow(this, "Form3", kGray, kEditorDesignWidth, kEditorDesignHeight, kEditorFontPixels);

  BuildControls();
  BindControls();
  DrawCanvas.SetTarget(&Img0->Picture());
  ImportCanvas.SetTarget(&Img1->Picture());
  WireHandlers();
}

TForm3::~TForm3() {
  if (Form3 == this) Form3 = nullptr;
}

void TForm3::BindControls() {
  BindControl(this, Img0, "Img0");
  BindControl(this, Img1, "Img1");
  BindControl(this, ImgTMP, "ImgTMP");
  BindControl(this, ImgBK, "ImgBK");
  BindControl(this, ScrollBox1, "ScrollBox1");
  BindControl(this, Edit0, "Edit0");
  BindControl(this, Edit1, "Edit1");
  BindControl(this, Edit2, "Edit2");
  BindControl(this, LBL0, "LBL0");
  BindControl(this, LBL1, "LBL1");
  BindControl(this, LBL7, "LBL7");
  BindControl(this, LBL8, "LBL8");
  BindControl(this, LBL9, "LBL9");
  BindControl(this, Btn09, "Btn09");
  BindControl(this, Btn10, "Btn10");
  BindControl(this, Btn11, "Btn11");
  BindControl(this, GroupBox1, "GroupBox1");
  BindControl(this, GroupBox2, "GroupBox2");
}

QImage& TForm3::Drawing() {
  return Img0->Picture();
}

void TForm3::DrawingChanged() {
  Img0->PictureChanged();
}

void TForm3::FocusSink() {
  Edit0->setFocus(Qt::OtherFocusReason);
}

void TForm3::Release() {
  if (released_) return;
  released_ = true;
  if (importLent_) CloseImportDialog(importDialog_);
  if (Form3 == this) Form3 = nullptr;
  hide();
  emit Released();
  // The window owns itself: it goes once the handler that left it has returned.
  deleteLater();
}

void TForm3::RecordChange() {
  RecordGesture(Drawing());
}

void TForm3::ShowCanvasWork(Canvas& canvas, ImageControl* image) {
  if (!canvas.Dirty().isEmpty()) image->PictureRectChanged(canvas.Dirty());
  canvas.ResetDirty();
}

void TForm3::FitImportContent() {
  ScrollBox1->widget()->resize(Img1->x() + Img1->width(), Img1->y() + Img1->height());
}

void TForm3::closeEvent(QCloseEvent* event) {
  if (!released_) Btn00Click(this);
  event->accept();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Img1 && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
    FitImportContent();
  return QWidget::eventFilter(watched, event);
}

}  // namespace scoreink

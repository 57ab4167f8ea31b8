#include "dialogs/tform4.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "dialogs/folder_browser.h"
#include "platform/ui/form_builder.h"
#include "platform/ui/image_control.h"
#include "platform/ui/read_progress.h"
#include "score_window/shared_values.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

TForm4* Form4 = nullptr;

namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 543;
constexpr int kFontPixels = 12;
constexpr int kStartThreshold = 60;

}  // namespace

TForm4::TForm4(TForm3& editor)
    : QWidget(&editor, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      editor_(editor) {
  if (!Form4) Form4 = this;
  SetUpFormWindow(this, "Form4", kNavy, kClientWidth, kClientHeight, kFontPixels);
  BuildControls();
  BindControls();
  // Right of the preview, below the buttons.
  readProgress_ = AddReadProgressBar(this, QRect(90, 500, 345, 18));
}

TForm4::~TForm4() {
  // The editor may be going too (its children go with it): it is not touched here.
  if (Form4 == this) Form4 = nullptr;
}

void TForm4::BindControls() {
  BindControl(this, Label1, "Label1");
  BindControl(this, ShellTreeView1, "ShellTreeView1");
  BindControl(this, FileListBox1, "FileListBox1");
  BindControl(this, Image1, "Image1");
  BindControl(this, TBL0, "TBL0");
  BindControl(this, TBL1, "TBL1");
  BindControl(this, TBL2, "TBL2");
  BindControl(this, TBB0, "TBB0");
  BindControl(this, Button1, "Button1");
  BindControl(this, Button2, "Button2");
}

void TForm4::FormCreate() {
  // The import area is the dialog's until it closes.
  editor_.ImportOpen = true;
  editor_.Img1->setEnabled(false);

  // At the top right of the work area, over the editor's "OpenFile".
  move(WorkAreaWidth - width(), 0);

  // Selecting the folder reports a change that only shows the folder.
  creating_ = true;
  if (!ShellTreeView1->SelectFolder(PictureFolder)) ShellTreeView1Change(ShellTreeView1);
  creating_ = false;
  // With both the same, nothing is written into PixDir.txt.
  PictureFolder = ListFolder(*FileListBox1, PictureFolder, PictureFolder);

  KnobDragging = false;
  TBL1->setText(QString::number(kStartThreshold));
  PlaceKnob(kStartThreshold);
}

void TForm4::ShellTreeView1Change(QObject*) {
  // The folder is listed (and remembered in PixDir.txt) but PictureFolder stays: the next
  // opening of either dialog in this run starts where it was.
  const QString shown =
      creating_ ? PictureFolder
                : ListFolder(*FileListBox1, PictureFolder, ShellTreeView1->SelectedFolder());
  Label1->setText(shown);
}

void TForm4::Button1Click(QObject*) {
  // The latest split becomes the accepted import, the clean copy of the region copies.
  editor_.ImgBK->SetPicture(editor_.Img1->Picture());
  editor_.ApplyZoom(1);
  ShowImportControls(true);
  Leave();
}

void TForm4::Button2Click(QObject*) {
  // While a pick is being read, Cancel stops the reading and leaves the dialog open.
  if (StopReadInProgress()) return;
  RestoreImport();
  Leave();
}

void TForm4::Release() {
  if (leaving_) return;
  RestoreImport();
  Leave();
}

void TForm4::RestoreImport() {
  if (!editor_.ImgBK->HasPicture()) {
    // Nothing had been accepted: the import area goes back to empty with its hint.
    ShowImportControls(false);
    editor_.Img1->ClearPicture();
    return;
  }
  editor_.Img1->SetPicture(editor_.ImgBK->Picture());
  editor_.ApplyZoom(1);
}

void TForm4::ShowImportControls(bool show) {
  for (int n = 10; n <= 11; ++n)
    if (QWidget* control = editor_.Control(QStringLiteral("BtnZoomUpDn%1").arg(n)))
      control->setVisible(show);
  for (int n = 1; n <= 4; ++n)
    if (QWidget* control = editor_.Control(QStringLiteral("LBL%1").arg(n)))
      control->setVisible(show);
  editor_.LBL7->setVisible(!show);
}

void TForm4::Leave() {
  leaving_ = true;
  close();
  FormClose(this);  // when the dialog was never shown, close() sends no event
  deleteLater();
}

void TForm4::FormClose(QObject*) {
  if (closed_) return;
  closed_ = true;
  if (Form4 == this) Form4 = nullptr;
  editor_.ImportOpen = false;
  editor_.Img1->setEnabled(true);
}

void TForm4::closeEvent(QCloseEvent* event) {
  // Closed by other means than OK or Cancel (the window manager): as Cancel.
  if (!leaving_) {
    leaving_ = true;
    RestoreImport();
    deleteLater();
  }
  FormClose(this);
  event->accept();
}

}  // namespace scoreink

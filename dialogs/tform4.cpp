#include "dialogs/tform4.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "dialogs/folder_browser.h"
#include "dialogs/import_area.h"
#include "platform/program_values.h"
#include "platform/ui/form_builder.h"
#include "platform/ui/image_control.h"
#include "platform/ui/read_progress.h"

namespace scoreink {

TForm4* Form4 = nullptr;

namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 543;
constexpr int kFontPixels = 12;
constexpr int kStartThreshold = 60;

}  // namespace

TForm4::TForm4(ImportArea& editor)
    : QWidget(&editor.EditorWindow(),
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
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
  editor_.LendImportArea(true);

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

// "OK": the black-and-white picture shown becomes the editor's import.
void TForm4::Button1Click(QObject*) {
  editor_.AcceptImport();
  Leave();
}

// "Cancel": the editor's import area goes back to what it was before the dialog opened.
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
  editor_.RestoreAcceptedImport();
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
  editor_.LendImportArea(false);
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

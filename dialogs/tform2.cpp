#include "dialogs/tform2.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/folder_browser.h"
#include "dialogs/page_chooser.h"
#include "dialogs/score_host.h"
#include "platform/ui/form_builder.h"
#include "platform/ui/read_progress.h"

namespace scoreink {

TForm2* Form2 = nullptr;

namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 523;
constexpr int kFontPixels = 12;

}  // namespace

TForm2::TForm2(ScoreHost& score)
    : QWidget(&score.HostWindow(), Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      score_(score) {
  if (!Form2) Form2 = this;
  SetUpFormWindow(this, "Form2", kBlack, kClientWidth, kClientHeight, kFontPixels);
  BuildControls();
  BindControls();
  // Below the buttons, where nothing else lies.
  readProgress_ = AddReadProgressBar(this, QRect(4, 476, 434, 18));
  // Between the folder tree and the buttons, shown for files of several pages and PDFs.
  pageChooser_ = new PageChooser(*this);
  // Last in the tab order, after the design's controls.
  QWidget::setTabOrder(RadioButton0, Control("PageBox"));
  QWidget::setTabOrder(Control("PageBox"), Control("DpiBox"));
  connect(pageChooser_, &PageChooser::PickChanged, this, &TForm2::PagePickChanged);
}

TForm2::~TForm2() {
  // The score window may be going too (its children go with it): it is not touched here.
  if (Form2 == this) Form2 = nullptr;
}

void TForm2::BindControls() {
  BindControl(this, Label1, "Label1");
  BindControl(this, ShellTreeView1, "ShellTreeView1");
  BindControl(this, FileListBox1, "FileListBox1");
  BindControl(this, GroupBox1, "GroupBox1");
  BindControl(this, RadioButton0, "RadioButton0");
  BindControl(this, RadioButton1, "RadioButton1");
  BindControl(this, Button1, "Button1");
  BindControl(this, Button2, "Button2");
}

void TForm2::Release() {
  released_ = true;
  close();
  FormClose(this);  // when the dialog was never shown, close() sends no event
  deleteLater();
}

void TForm2::closeEvent(QCloseEvent* event) {
  // Closed by other means than OK or Cancel (the window manager): as Cancel, so that the
  // score from before is never left behind a preview.
  if (!released_) {
    released_ = true;
    RestoreScore();
    deleteLater();
  }
  FormClose(this);
  event->accept();
}

}  // namespace scoreink

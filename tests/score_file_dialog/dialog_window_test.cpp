// The score file dialog as a window: its controls, its place, its life from the open button
// to OK or Cancel, and one dialog at a time.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "harness/score_file_dialog_driver.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

struct Expected {
  const char* name;
  const char* kind;
  QRect geometry;
  const char* caption;
};

TEST(ScoreFileDialog, EveryControlHasItsNameKindPlaceAndCaption) {
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  const Expected expected[] = {
      {"Label1", "QLabel", {4, 4, 435, 13}, nullptr},
      {"ShellTreeView1", "scoreink::FolderTree", {4, 18, 285, 393}, nullptr},
      {"FileListBox1", "scoreink::FileListBox", {289, 18, 150, 367}, nullptr},
      {"GroupBox1", "QGroupBox", {289, 386, 150, 25}, ""},
      {"RadioButton0", "QRadioButton", {4, 6, 65, 17}, "OpenFile"},
      {"RadioButton1", "QRadioButton", {72, 6, 72, 17}, "DeleteFile"},
      {"Button1", "QPushButton", {248, 440, 75, 25}, "OK"},
      {"Button2", "QPushButton", {152, 440, 75, 25}, "Cancel"},
  };
  for (const Expected& e : expected) {
    QWidget* control = dialog.Driver().Find(e.name);
    ASSERT_NE(control, nullptr) << e.name;
    EXPECT_STREQ(control->metaObject()->className(), e.kind) << e.name;
    EXPECT_EQ(control->geometry(), e.geometry) << e.name;
    if (!e.caption) continue;
    QString caption;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) caption = button->text();
    if (auto* group = qobject_cast<QGroupBox*>(control)) caption = group->title();
    EXPECT_EQ(caption, QString::fromUtf8(e.caption)) << e.name;
  }
  TForm2* form = dialog.Dialog();
  EXPECT_EQ(form->Control<QRadioButton>("RadioButton0")->parentWidget(),
            form->Control<QGroupBox>("GroupBox1"));
  EXPECT_EQ(form->Control<QRadioButton>("RadioButton0")->group(),
            form->Control<QRadioButton>("RadioButton1")->group());
}

TEST(ScoreFileDialog, OpensFramelessOnTopAtTheTopRightInItsFirstState) {
  WindowOptions options;
  options.facts = WithWorkArea(DefaultDeviceFacts(), QRect(0, 0, 1600, 1000));
  ScoreWindowHarness ui(options);
  ScoreFileDialogDriver dialog(ui);
  TForm2* form = dialog.Dialog();
  EXPECT_EQ(form->objectName(), "Form2");
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->isWindow());
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form->geometry(), QRect(1600 - 442, 0, 442, 523));
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(0, 0, 0));

  EXPECT_TRUE(form->Control<QRadioButton>("RadioButton0")->isChecked());
  EXPECT_FALSE(form->Control<QRadioButton>("RadioButton1")->isChecked());
  EXPECT_FALSE(form->Control<QPushButton>("Button1")->isEnabled());
  EXPECT_TRUE(form->Control<QPushButton>("Button2")->isEnabled());
  EXPECT_TRUE(form->PickedFile().isEmpty());
  EXPECT_EQ(form->Control<QLabel>("Label1")->text(), PictureFolder);
  EXPECT_TRUE(form->Control<QLabel>("Label1")->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(form->Control<QLabel>("Label1")->font().pixelSize(), 13);
  EXPECT_EQ(form->Control<FileListBox>("FileListBox1")->font().pixelSize(), 16);
  EXPECT_EQ(form->Control<FileListBox>("FileListBox1")->palette().color(QPalette::Base),
            QColor(255, 255, 255));
  EXPECT_EQ(form->Control<FileListBox>("FileListBox1")->palette().color(QPalette::Text),
            QColor(0, 0, 0));
  EXPECT_EQ(form->Control<FolderTree>("ShellTreeView1")->SelectedFolder(), PictureFolder);
  EXPECT_EQ(form->Control<FolderTree>("ShellTreeView1")->indentation(), 19);
  EXPECT_FALSE(ui.ScoreView()->isEnabled()) << "the score is not edited while the dialog is open";
}

// The control the Tab key goes to from control.
QWidget* NextByTab(QWidget* control) {
  QWidget* next = control->nextInFocusChain();
  while (next != control && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

TEST(ScoreFileDialog, TabOrderRunsFromCancelThroughTheTreeAndTheListToOk) {
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  TForm2* form = dialog.Dialog();
  EXPECT_EQ(NextByTab(form->Control<QPushButton>("Button2")),
            form->Control<FolderTree>("ShellTreeView1"));
  EXPECT_EQ(NextByTab(form->Control<FolderTree>("ShellTreeView1")),
            form->Control<FileListBox>("FileListBox1"));
  EXPECT_EQ(NextByTab(form->Control<FileListBox>("FileListBox1")),
            form->Control<QPushButton>("Button1"));
  EXPECT_EQ(NextByTab(form->Control<QPushButton>("Button1")),
            form->Control<QRadioButton>("RadioButton1"));
}

TEST(ScoreFileDialog, TheModeButtonsColourTheList) {
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  FileListBox* list = dialog.Dialog()->Control<FileListBox>("FileListBox1");
  dialog.Click("RadioButton1");
  EXPECT_EQ(list->palette().color(QPalette::Base), QColor(255, 0, 0));
  dialog.Click("RadioButton0");
  EXPECT_EQ(list->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST(ScoreFileDialog, OkAndCancelReleaseTheDialogAndANewOneOpensEachTime) {
  ScoreWindowHarness ui;
  for (const char* button : {"Button2", "Button1"}) {
    ScoreFileDialogDriver dialog(ui);
    QPointer<TForm2> form = dialog.Dialog();
    if (QString(button) == "Button1")
      form->Control<QPushButton>("Button1")->setEnabled(true);  // as after a pick
    dialog.Click(button);
    EXPECT_EQ(Form2, nullptr) << button;
    EXPECT_TRUE(form.isNull()) << button << ": deleted once the handler returned";
    EXPECT_TRUE(ui.ScoreView()->isEnabled()) << button;
  }
}

TEST(ScoreFileDialog, ClosingItOtherwiseIsCancel) {
  ScoreWindowHarness ui;
  const QImage before = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  ui.ScoreView()->SetPicture(MarkedPicture(300, 300));  // as a preview would
  dialog.Dialog()->close();
  FinishDeferredDeletes();
  EXPECT_EQ(Form2, nullptr);
  EXPECT_EQ(ui.Score(), before);
  EXPECT_TRUE(ui.ScoreView()->isEnabled());
}

TEST(OpenButton, ASecondClickBringsTheOpenDialogForwardAndKeepsTheScoreBehindThePreview) {
  ScoreWindowHarness ui;
  const QImage score = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  TForm2* first = dialog.Dialog();
  ui.ScoreView()->SetPicture(MarkedPicture(300, 300));  // a preview stands in the score view

  ui.Click("Btn2");
  EXPECT_EQ(Form2, first) << "no second dialog";
  EXPECT_EQ(ui->Control<ImageControl>("Img00")->Picture(), score)
      << "the copy still holds the user's score";

  dialog.Click("Button2");
  EXPECT_EQ(ui.Score(), score);
}

TEST(OpenButton, TheScoreWindowClosingWithTheDialogOpenTakesTheDialogAlong) {
  QPointer<TForm2> form;
  {
    ScoreWindowHarness ui;
    ScoreFileDialogDriver dialog(ui);
    form = dialog.Dialog();
  }
  EXPECT_TRUE(form.isNull());
  EXPECT_EQ(Form2, nullptr);
}

}  // namespace
}  // namespace scoreink::test

// Window titles, and the tooltips and accessible names of every button, radio button, palette
// image, custom slot and arrow.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>

#include "habits_test_support.h"
#include "harness/desktop_input.h"
#include "harness/import_dialog_harness.h"
#include "harness/score_file_dialog_driver.h"
#include "harness/symbol_editor_harness.h"
#include "platform/ui/image_control.h"
#include "score_window/desktop_habits.h"
#include "symbol_editor/core/symbol_store.h"

namespace scoreink::test {
namespace {

TEST(WindowTitles, TheScoreWindowNamesTheProgramAndTheFileMarkedWhileUnsaved) {
  const std::tuple<QString, bool, int, QString> cases[] = {
      {"", false, 1, "新しい楽譜 - ScoreInk"},
      {"", true, 1, "*新しい楽譜 - ScoreInk"},
      {"/home/u/scores/etude.bmp", false, 1, "etude.bmp - ScoreInk"},
      {"/home/u/scores/etude.jpg", true, 1, "*etude.jpg - ScoreInk"},
      {"/home/u/scores/part.pdf", true, 12, "*part.pdf (3/12) - ScoreInk"},
  };
  for (const auto& [file, unsaved, pages, title] : cases)
    EXPECT_EQ(ScoreWindowTitle(file, unsaved, pages > 1 ? 2 : 0, pages), title);

  ScoreWindowHarness ui;
  LetEventsRun();
  EXPECT_EQ(ui->windowTitle(), "新しい楽譜 - ScoreInk");
  ui.DragOnScore({200, 400}, {260, 420});
  LetEventsRun();
  EXPECT_EQ(ui->windowTitle(), "*新しい楽譜 - ScoreInk");
  ui.Dialogs().AnswerSave(ui.Folder().Path() + "etude.bmp");
  ui.Click("Btn3");
  LetEventsRun();
  EXPECT_EQ(ui->windowTitle(), "etude.bmp - ScoreInk");
}

// Every button and radio button of a window says what it does, to the pointer and to a screen
// reader; so does every control named.
void ExpectHelpEverywhere(QWidget* window, std::initializer_list<const char*> alsoNamed) {
  SCOPED_TRACE(window->objectName().toStdString());
  EXPECT_TRUE(window->windowTitle().endsWith(" - ScoreInk")) << window->windowTitle().toStdString();
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (button->objectName().isEmpty() || button->objectName() == "TBB0") continue;
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
  }
  for (const char* name : alsoNamed) {
    const QWidget* control = window->findChild<QWidget*>(name);
    ASSERT_TRUE(control) << name;
    EXPECT_FALSE(control->toolTip().isEmpty()) << name;
    EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
  }
}

TEST(ControlHelp, EveryWindowExplainsItsControls) {
  ImportDialogHarness im;
  ScoreWindowHarness& ui = im.EditorHarness().Score();
  ExpectHelpEverywhere(&ui.Window(), {"Img01", "Img11", "Img23", "OPImg01", "OPImg15", "Label3",
                                      "Label1", "Edit1", "Edit2", "ComboBox1", "Image1"});
  ExpectHelpEverywhere(&im.Editor(), {"Img0", "Img1", "LBL0", "LBL8", "Edit1", "Edit2"});
  im.Open();
  ExpectHelpEverywhere(&im.Dialog(), {"FileListBox1", "ShellTreeView1", "TBB0"});
  EXPECT_EQ(im.Dialog().windowTitle(), "画像の読み込み - ScoreInk");
  EXPECT_EQ(im.Editor().windowTitle(), "記号追加 - ScoreInk");

  // The symbols by their Japanese names; the arrows by what they do.
  EXPECT_EQ(ui->Control("Img02")->toolTip(), "二分音符・全音符の符頭 (白玉)");
  EXPECT_EQ(ui->Control("Img11")->accessibleName(), "♯ (シャープ)");
  EXPECT_EQ(ui->Control<QPushButton>("Btn10")->accessibleName(), "拡大");
  EXPECT_EQ(ui->Control<QPushButton>("Btn5")->accessibleName(), "ペンを細く");
  EXPECT_EQ(im.Editor().Control("BtnZoomUpDn00")->accessibleName(), "描画欄を縮小");
}

TEST(ControlHelp, TheScoreFileDialogAndTheCustomSlotsFollowWhatTheyHold) {
  ScoreWindowHarness ui;
  {
    ScoreFileDialogDriver dialog(ui);
    ExpectHelpEverywhere(dialog.Dialog(), {"FileListBox1", "ShellTreeView1"});
    EXPECT_EQ(dialog.Dialog()->windowTitle(), "楽譜を開く - ScoreInk");
    dialog.Click("Button2");
  }
  auto* slot = ui->Control<ImageControl>(SymbolSlotImageName(7));
  EXPECT_EQ(slot->toolTip(), "自作記号 7: 空き");
  QImage symbol(10, 10, QImage::Format_RGB888);
  symbol.fill(Qt::black);
  slot->SetPicture(symbol);  // as a registration or start-up fills it
  EXPECT_EQ(slot->toolTip(), "自作記号 7");
  EXPECT_EQ(slot->accessibleName(), "自作記号 7");
}

}  // namespace
}  // namespace scoreink::test

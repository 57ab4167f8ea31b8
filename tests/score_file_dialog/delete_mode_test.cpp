// Delete mode of the score file dialog: a click deletes the file at once; a file that cannot
// be deleted is reported and stays listed.
#include <gtest/gtest.h>
#include <QPushButton>

#include "dialog_test_support.h"
#include "harness/scratch_mount.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

TEST(DeleteMode, AClickDeletesWithoutAskingEvenTheOpenScoresFile) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  const QString open = scans.Add("open.jpg");
  ScoreWindowHarness ui;
  CurrentScoreFile = open;
  EditOnce(ui);
  const QImage edited = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  dialog.Click("RadioButton1");

  ASSERT_TRUE(dialog.ClickFile("open.jpg"));

  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_FALSE(QFile::exists(open));
  EXPECT_EQ(dialog.Listed(), QStringList({"a.bmp"}));
  EXPECT_EQ(ui.Score(), edited);
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_FALSE(dialog.Dialog()->Button1->isEnabled());
  EXPECT_TRUE(dialog.Dialog()->PickedFile().isEmpty());
}

TEST(DeleteMode, BackInOpenModeAClickPreviewsAgain) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  scans.Add("b.bmp");
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  dialog.Click("RadioButton1");
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  dialog.Click("RadioButton0");
  ASSERT_TRUE(dialog.ClickFile("b.bmp"));
  EXPECT_TRUE(QFile::exists(scans.File("b.bmp")));
  EXPECT_EQ(dialog.Dialog()->PickedFile(), scans.File("b.bmp"));
}

TEST(DeleteMode, AFileThatCannotBeDeletedIsReportedAndKeepsItsEntry) {
  ScratchMount mount("size=1m");
  if (!mount.mounted()) GTEST_SKIP() << "needs a file system of its own (root)";
  const QString path = mount.path() + "/kept.bmp";
  WritePictureFile(path, MarkedPicture(200, 200));
  ASSERT_TRUE(mount.MakeReadOnly());
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(mount.path());
  dialog.Click("RadioButton1");
  ui.Dialogs().AnswerBox(kIdOk, "エラー");

  ASSERT_TRUE(dialog.ClickFile("kept.bmp"));

  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.startsWith("ファイルを消せない: kept.bmp\n"))
      << ui.Dialogs().Boxes()[0].text.toStdString();
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(dialog.Listed(), QStringList({"kept.bmp"}));
}

}  // namespace
}  // namespace scoreink::test

// The folder tree of the score file dialog: where it opens, what choosing a folder lists, and
// what is remembered in PixDir.txt.
#include <gtest/gtest.h>
#include <QLabel>

#include "dialog_test_support.h"
#include "dialogs/core/file_mask.h"
#include "dialogs/file_list_box.h"
#include "dialogs/folder_tree.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

// A score window whose remembered folder is folder.
WindowOptions RememberingFolder(const QString& folder) {
  WindowOptions options;
  options.prepare = [folder](TempExecutableFolder& exe) {
    exe.Write("PixDir.txt", folder.toUtf8());
  };
  return options;
}

QString PixDir() {
  return CurrentWorkPlaces.PixDirFile();
}

TEST(DialogFolders, OpensInTheRememberedFolderWithoutWritingPixDir) {
  PictureFolderFixture scans;
  scans.Add("b.bmp");
  scans.Add("A.JPG");
  scans.AddBytes("notes.txt", "x");
  ScoreWindowHarness ui(RememberingFolder(scans.Path()));
  ASSERT_EQ(PictureFolder, scans.Path());
  ASSERT_TRUE(QFile::remove(PixDir()));

  ScoreFileDialogDriver dialog(ui);
  EXPECT_EQ(dialog.Listed(), QStringList({"A.JPG", "b.bmp"}));
  EXPECT_EQ(dialog.Dialog()->Control<QLabel>("Label1")->text(), scans.Path());
  EXPECT_FALSE(QFile::exists(PixDir()));
  EXPECT_EQ(PictureFolder, scans.Path());
}

TEST(DialogFolders, ChoosingAnotherFolderListsItAndRemembersIt) {
  PictureFolderFixture scans;
  scans.Add("scan.jpeg");
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  EXPECT_EQ(dialog.Listed(), QStringList({"scan.jpeg"}));
  EXPECT_EQ(PictureFolder, scans.Path());
  EXPECT_EQ(FileBytes(PixDir()), scans.Path().toUtf8());
  EXPECT_EQ(dialog.Dialog()->Control<QLabel>("Label1")->text(), scans.Path());
}

TEST(DialogFolders, APixDirThatCannotBeWrittenIsToldOnceAndTheFolderIsStillListed) {
  PictureFolderFixture first, second;
  first.Add("one.bmp");
  second.Add("two.bmp");
  ScoreWindowHarness ui;
  const QString before = PictureFolder;
  ASSERT_TRUE(QFile::remove(PixDir()));
  ASSERT_TRUE(QDir().mkdir(PixDir()));  // a folder where the file goes
  ScoreFileDialogDriver dialog(ui);
  ui.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");
  dialog.ChooseFolder(first.Path());
  EXPECT_EQ(dialog.Listed(), QStringList({"one.bmp"}));
  dialog.ChooseFolder(second.Path());
  EXPECT_EQ(dialog.Listed(), QStringList({"two.bmp"}));
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.startsWith(
      "作業フォルダに書き込めないので、選んだフォルダを覚えておけない\n"));
  EXPECT_EQ(PictureFolder, before);
}

TEST(DialogFolders, TheWorkFolderLeavesTheListEmptyAndEverythingElseAsItWas) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  ScoreWindowHarness ui(RememberingFolder(scans.Path()));
  EditOnce(ui);  // a snapshot in the work folder
  ScoreFileDialogDriver dialog(ui);
  const QByteArray pixDir = FileBytes(PixDir());
  dialog.ChooseFolder(WorkFolder);
  EXPECT_TRUE(dialog.Listed().isEmpty());
  EXPECT_EQ(PictureFolder, scans.Path());
  EXPECT_EQ(FileBytes(PixDir()), pixDir);
  EXPECT_EQ(dialog.Dialog()->Control<QLabel>("Label1")->text(), scans.Path());
}

TEST(DialogFolders, ChoosingTheFolderAgainReadsItAfreshWithoutWritingPixDir) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  ScoreWindowHarness ui(RememberingFolder(scans.Path()));
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(WorkFolder);
  scans.Add("new.jpg");
  ASSERT_TRUE(QFile::remove(PixDir()));
  dialog.ChooseFolder(scans.Path());
  EXPECT_EQ(dialog.Listed(), QStringList({"a.bmp", "new.jpg"}));
  EXPECT_FALSE(QFile::exists(PixDir()));
  EXPECT_EQ(PictureFolder, scans.Path());
}

TEST(DialogFolders, AFolderThatCannotBeEnteredLeavesTheRootListedAndTheFolderKept) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  QTemporaryDir other;
  const QString gone = other.filePath("gone");
  ASSERT_TRUE(QDir().mkdir(gone));
  ScoreWindowHarness ui(RememberingFolder(scans.Path()));
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(gone);  // the tree knows it now
  dialog.ChooseFolder(scans.Path());
  const QByteArray pixDir = FileBytes(PixDir());
  ASSERT_TRUE(QDir(gone).removeRecursively());

  dialog.ChooseFolder(gone);

  EXPECT_EQ(dialog.Listed(), *ListMatchingFiles("/", FileMask(kImageFileMask)));
  EXPECT_EQ(dialog.Dialog()->Control<FileListBox>("FileListBox1")->Directory(), "/");
  EXPECT_EQ(PictureFolder, scans.Path());
  EXPECT_EQ(FileBytes(PixDir()), pixDir);
  EXPECT_EQ(dialog.Dialog()->Control<QLabel>("Label1")->text(), scans.Path());
}

TEST(DialogFolders, ARememberedFolderRemovedSinceStillOpensTheDialog) {
  PictureFolderFixture scans;
  ScoreWindowHarness ui(RememberingFolder(scans.Path()));
  const QString remembered = PictureFolder;
  ASSERT_TRUE(QDir(remembered).removeRecursively());
  ScoreFileDialogDriver dialog(ui);
  EXPECT_EQ(dialog.Dialog()->Control<QLabel>("Label1")->text(), remembered);
  EXPECT_EQ(PictureFolder, remembered);
  EXPECT_EQ(dialog.Dialog()->Control<FileListBox>("FileListBox1")->Directory(), "/");
}

TEST(DialogFolders, TheNextOpeningStartsWhereTheUserLeft) {
  PictureFolderFixture first, second;
  first.Add("one.bmp");
  second.Add("two.bmp");
  ScoreWindowHarness ui(RememberingFolder(first.Path()));
  {
    ScoreFileDialogDriver dialog(ui);
    dialog.ChooseFolder(second.Path());
    dialog.Click("Button2");
  }
  ScoreFileDialogDriver again(ui);
  EXPECT_EQ(again.Listed(), QStringList({"two.bmp"}));
  EXPECT_EQ(again.Dialog()->Control<FolderTree>("ShellTreeView1")->SelectedFolder(), second.Path());
}

}  // namespace
}  // namespace scoreink::test

// Delete mode of the score file dialog: a click moves the file to the trash at once, and
// nothing but a single click deletes; a file that cannot be deleted is reported and stays
// listed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/file_list_box.h"
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
  EXPECT_FALSE(dialog.Dialog()->Control<QPushButton>("Button1")->isEnabled());
  EXPECT_TRUE(dialog.Dialog()->PickedFile().isEmpty());
}

TEST(DeleteMode, OnlyASingleClickDeletesAndTheFileGoesToTheTrash) {
  PictureFolderFixture scans;
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"}) scans.Add(name);
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  dialog.Click("RadioButton1");
  FileListBox* list = dialog.Dialog()->Control<FileListBox>("FileListBox1");

  ASSERT_TRUE(dialog.ClickFile("b.bmp"));
  const QString trash =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files/";
  EXPECT_TRUE(QFile::exists(trash + "b.bmp")) << "a deleted file can be brought back";

  list->setFocus();
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home})
    QTest::keyClick(list, key);
  list->setCurrentRow(2);
  EXPECT_EQ(dialog.Listed(), QStringList({"a.bmp", "c.bmp", "d.bmp", "e.bmp"}))
      << "keyboard moves and selections by the program delete nothing";

  const QRect c = list->visualItemRect(list->findItems("c.bmp", Qt::MatchExactly).first());
  // A double click as the window system gives it: a click, then a second press as a double click.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, c.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, c.center());
  EXPECT_EQ(dialog.Listed(), QStringList({"a.bmp", "d.bmp", "e.bmp"}))
      << "a double click deletes the clicked file only, not the one sliding under the pointer";
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
}

// A triple click, clicks 80 and 150 ms apart, as the window system gives it (the second press
// also as a double click): the third click must not delete the name that slid up under the
// pointer. A click after the double-click time deletes again.
TEST(DeleteMode, ATripleClickDeletesOneFile) {
  PictureFolderFixture scans;
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}) scans.Add(name);
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  dialog.Click("RadioButton1");
  FileListBox* list = dialog.Dialog()->Control<FileListBox>("FileListBox1");
  const QPoint b = list->visualItemRect(list->item(1)).center();
  using E = QEvent;
  const ulong later = 160 + QApplication::doubleClickInterval() + 20;
  for (const auto& [type, at] :
       std::vector<std::pair<E::Type, ulong>>{{E::MouseButtonPress, 0},
                                              {E::MouseButtonRelease, 10},
                                              {E::MouseButtonPress, 80},
                                              {E::MouseButtonDblClick, 80},
                                              {E::MouseButtonRelease, 90},
                                              {E::MouseButtonPress, 150},
                                              {E::MouseButtonRelease, 160},
                                              {E::MouseButtonPress, later},
                                              {E::MouseButtonRelease, later + 10}}) {
    if (at == later) {
      EXPECT_EQ(dialog.Listed(), QStringList({"a.bmp", "c.bmp", "d.bmp"}));
    }
    QMouseEvent event(type, b, list->viewport()->mapToGlobal(b), Qt::LeftButton,
                      type == E::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    event.setTimestamp(1'000'000 + at);
    QApplication::sendEvent(list->viewport(), &event);
  }
  EXPECT_EQ(dialog.Listed(), QStringList({"a.bmp", "d.bmp"}));
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

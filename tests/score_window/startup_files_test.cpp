// What start-up and close do beside the executable: the work folder, PixDir.txt, OpPIX, and
// the refusal of a second copy that would empty the first one's work folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <memory>

#include "harness/scoped_data_home.h"
#include "harness/score_window_harness.h"
#include "harness/scratch_mount.h"
#include "platform/history/edit_history.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ScoreWindowFiles, StartUpEmptiesTheWorkFolderAndDeletesTheBlockFile) {
  WindowOptions options;
  options.prepare = [](TempExecutableFolder& folder) {
    ASSERT_TRUE(folder.Write("TmpWork/Tmp1.bmp", "old snapshot"));
    ASSERT_TRUE(folder.Write("TmpWork/deeper/Tmp9.bmp", "older"));
    ASSERT_TRUE(folder.Write("CCTmp.bmp", "lifted block"));
  };
  ScoreWindowHarness ui(options);
  const QDir work(ui.Folder().File("TmpWork"));
  EXPECT_TRUE(work.exists());
  EXPECT_TRUE(work.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
  EXPECT_FALSE(QFileInfo::exists(ui.Folder().File("CCTmp.bmp")));
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_EQ(ExeFolder, ui.Folder().Path());
  EXPECT_EQ(WorkFolder, ui.Folder().File("TmpWork"));
}

TEST(ScoreWindowFiles, RemembersTheExecutableFolderWhenNothingIsRemembered) {
  ScoreWindowHarness ui;
  QString folder = ui.Folder().Path();
  folder.chop(1);
  EXPECT_EQ(PictureFolder, folder);
  EXPECT_EQ(ReadAll(ui.Folder().File("PixDir.txt")), folder.toUtf8());
}

TEST(ScoreWindowFiles, OpensTheFileDialogsInTheRememberedFolder) {
  const QString remembered = QDir::tempPath();
  WindowOptions options;
  options.prepare = [&](TempExecutableFolder& folder) {
    ASSERT_TRUE(folder.Write("PixDir.txt", remembered.toUtf8()));
  };
  ScoreWindowHarness ui(options);
  EXPECT_EQ(PictureFolder, remembered);
}

TEST(ScoreWindowFiles, ClosingRemovesTheWorkFolderAndTheBlockFile) {
  ScoreWindowHarness ui;
  ASSERT_TRUE(ui.Folder().Write("CCTmp.bmp", "lifted block"));
  ASSERT_TRUE(ui.Folder().Write("TmpWork/Tmp1.bmp", "snapshot"));
  ui.Close();
  EXPECT_FALSE(QFileInfo::exists(ui.Folder().File("TmpWork")));
  EXPECT_FALSE(QFileInfo::exists(ui.Folder().File("CCTmp.bmp")));
  // The folder is free again for the next run.
  TForm1 next;
  EXPECT_TRUE(next.FormCreate());
}

TEST(ScoreWindowFiles, CloseButtonClosesTheWindow) {
  ScoreWindowHarness ui;
  ui.Click("Btn0");
  EXPECT_FALSE(ui->isVisible());
  EXPECT_FALSE(QFileInfo::exists(ui.Folder().File("TmpWork")));
}

TEST(ScoreWindowFiles, ASecondCopyIsRefusedWithoutTouchingTheFirstOnesWorkFolder) {
  ScoreWindowHarness ui;
  ASSERT_TRUE(ui.Folder().Write("TmpWork/Tmp1.bmp", "the first copy's snapshot"));
  ASSERT_TRUE(ui.Folder().Write("CCTmp.bmp", "the first copy's block"));
  ASSERT_TRUE(QFile::remove(ui.Folder().File("PixDir.txt")));
  const int position = HistoryPos();

  ui.Dialogs().AnswerBox(kIdOk, "二重起動");
  {
    TForm1 second;
    EXPECT_FALSE(second.FormCreate());
    EXPECT_EQ(Form1, &ui.Window());
    second.close();
  }
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  const AskedBox& box = ui.Dialogs().Boxes()[0];
  EXPECT_EQ(box.text, "このフォルダではもう一つ動いているので、こっちは終わる");
  EXPECT_EQ(box.buttons, MsgButtons::Ok);

  EXPECT_EQ(ReadAll(ui.Folder().File("TmpWork/Tmp1.bmp")), "the first copy's snapshot");
  EXPECT_EQ(ReadAll(ui.Folder().File("CCTmp.bmp")), "the first copy's block");
  EXPECT_FALSE(QFileInfo::exists(ui.Folder().File("PixDir.txt")));
  EXPECT_EQ(HistoryPos(), position);
  EXPECT_EQ(WorkFolder, ui.Folder().File("TmpWork"));
}

TEST(ScoreWindowFiles, WithNoPlaceForAWorkFolderItSaysSoOnceAndEditingGoesOn) {
  // A read-only program folder and a per-user data folder that cannot be made.
  ProtectedFolder dataHome;
  if (!dataHome.usable() || !dataHome.Protect()) GTEST_SKIP() << "no read-only folder here";
  ScopedDataHome home(dataHome.path());
  std::unique_ptr<ProtectedFolder> exe;
  WindowOptions options;
  options.prepare = [&](TempExecutableFolder& folder) {
    exe = std::make_unique<ProtectedFolder>(folder.Path().chopped(1));
    ASSERT_TRUE(exe->usable() && exe->Protect());
  };
  options.answers = [](ScriptedDialogs& dialogs) { dialogs.AnswerBox(kIdOk, "どうでもいいけど"); };
  ScoreWindowHarness ui(options);
  ASSERT_TRUE(ui.Started()) << "not taken for a second copy";
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.startsWith(
      "作業フォルダを置ける場所がないので、戻す・進むの記録はメモリに置いておく\n"))
      << ui.Dialogs().Boxes()[0].text.toStdString();

  ui.DragOnScore({200, 400}, {260, 400});
  QTest::qWait(1000);  // the recovery copy tries its folders (on a busy machine too)
  ui.Dialogs().AnswerBox(kIdOk, "気をつけて");
  const QImage afterFirst = ui.Score().copy();
  ui.DragOnScore({200, 500}, {260, 500});
  EXPECT_NE(ui.Score(), afterFirst) << "strokes leave their pixels";
  ui.Click("Btn7");
  EXPECT_EQ(ui.Score(), afterFirst) << "undo works from memory";
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 2u) << "each told once";
  EXPECT_TRUE(
      ui.Dialogs().Boxes()[1].text.startsWith("もしもの時の控えを書き込めないので、今落ちると"))
      << "a crash would lose the work: " << ui.Dialogs().Boxes()[1].text.toStdString();
  ui.Close();
  exe.reset();
}

}  // namespace
}  // namespace scoreink::test

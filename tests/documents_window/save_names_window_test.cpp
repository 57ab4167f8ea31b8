// The save button through the real window: the names the save dialog accepts, the file each
// pick becomes, and what a refused pick leaves unchanged.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "document_test_support.h"
#include "harness/case_names.h"
#include "platform/files/work_files.h"
#include "platform/picture_files/rewrite_keeper.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

struct NameCase {
  const char* pick;     // file name chosen in the save dialog
  const char* written;  // the file that appears, or "" when the pick is refused
  const char* caption;  // the box shown for a refusal
  const char* text;
};

class SaveButtonNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveButtonNames, PickBecomesThePlainLowerCaseNameOrIsRefused) {
  const NameCase& c = GetParam();
  QTemporaryDir target;
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Dialogs().AnswerSave(target.path() + "/" + QString::fromUtf8(c.pick));
  const bool refused = *c.written == '\0';
  if (refused) ui.Dialogs().AnswerBox(kIdOk, QString::fromUtf8(c.caption));

  ui.Click("Btn3");

  ASSERT_EQ(ui.Dialogs().SaveDialogs().size(), 1u);
  EXPECT_EQ(ui.Dialogs().SaveDialogs()[0].filter,
            "Graphic Files|*.bmp;*.jpg;*.jpeg;*.png;*.pdf;*.tif;*.tiff");
  EXPECT_EQ(ui.Dialogs().SaveDialogs()[0].initialName, "") << "a new score has no file yet";
  if (refused) {
    ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Boxes()[0].text, QString::fromUtf8(c.text));
    EXPECT_TRUE(QDir(target.path()).isEmpty());
    EXPECT_EQ(HistoryPos(), 2) << "the edit still counts as unsaved";
    EXPECT_TRUE(CurrentScoreFile.isEmpty());
    EXPECT_FALSE(ui->Control<QPushButton>("Btn4")->isEnabled());
    return;
  }
  const QString written = target.path() + "/" + QString::fromUtf8(c.written);
  EXPECT_EQ(QDir(target.path()).entryList(QDir::Files), QStringList{c.written});
  EXPECT_EQ(CurrentScoreFile, written);
  EXPECT_EQ(PictureFolder, target.path());
  EXPECT_EQ(ReadAll(ui.Folder().File("PixDir.txt")), QFile::encodeName(target.path()));
  EXPECT_EQ(HistoryPos(), 1) << "a save empties the history";
  EXPECT_TRUE(ui->Control<QPushButton>("Btn4")->isEnabled());
  const QByteArray bytes = ReadAll(written);
  if (written.endsWith(".bmp"))
    EXPECT_TRUE(bytes.startsWith("BM"));
  else if (written.endsWith(".png"))
    EXPECT_TRUE(bytes.startsWith("\x89PNG"));
  else
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
}

const char kPlainNameText[] = "半角英数と \"_\", \"-\" 以外の文字は勘弁";

INSTANTIATE_TEST_SUITE_P(
    Picks, SaveButtonNames,
    ::testing::Values(NameCase{"my.score.JPG", "myscore.jpg", "", ""},
                      NameCase{"score", "score.bmp", "", ""},
                      NameCase{"Take_2-final.jpeg", "Take_2-final.jpeg", "", ""},
                      NameCase{"a b.bmp", "", "悪いけど", kPlainNameText},
                      NameCase{"楽譜.bmp", "", "悪いけど", kPlainNameText},
                      NameCase{".bmp", "", "NG", "そんな名前じゃダメ"},
                      NameCase{"x.png", "x.png", "", ""},
                      NameCase{"x.gif", "", "悪いけど",
                               "jpg, jpeg, bmp, png, pdf, tif, tiff 以外の拡張子は勘弁"}),
    [](const auto& tc) { return scoreink::test::CaseName(tc.param.pick); });

TEST(SaveButton, CancelInTheDialogChangesNothing) {
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Dialogs().AnswerSave(std::nullopt);
  ui.Click("Btn3");
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_FALSE(ui->Control<QPushButton>("Btn4")->isEnabled());
}

TEST(SaveButton, APickInsideTheWorkFolderCannotBeCancelledUntilAnotherFolderIsChosen) {
  QTemporaryDir target;
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Dialogs().AnswerSave(WorkFolder + "/score.bmp");
  ui.Dialogs().AnswerBox(kIdOk, "いろいろ事情があって");
  ui.Dialogs().AnswerSave(std::nullopt);
  ui.Dialogs().AnswerBox(kIdOk, "キャンセル不可、あしからず");
  ui.Dialogs().AnswerSave(target.path() + "/score.bmp");

  ui.Click("Btn3");

  EXPECT_EQ(ui.Dialogs().SaveDialogs().size(), 3u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text, "この場所はダメ");
  EXPECT_EQ(ui.Dialogs().Boxes()[1].text,
            "一度でもダメな場所を選ぶと、ダメじゃない場所を選ぶまで終われない");
  EXPECT_FALSE(QFileInfo::exists(WorkFolder + "/score.bmp"));
  EXPECT_TRUE(QFileInfo::exists(target.path() + "/score.bmp"));
  EXPECT_EQ(CurrentScoreFile, target.path() + "/score.bmp");
}

TEST(SaveButton, TheDialogStartsFromTheScoresFileAndAsksBeforeReplacingAnother) {
  QTemporaryDir target;
  const QString other = target.path() + "/other.bmp";
  ASSERT_TRUE(WriteAll(other, "someone else's score"));
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Dialogs().AnswerSave(target.path() + "/first.bmp");
  ui.Click("Btn3");
  ASSERT_EQ(CurrentScoreFile, target.path() + "/first.bmp");

  EditOnce(ui);
  ui.Dialogs().AnswerSave(other);
  ui.Dialogs().AnswerBox(kIdNo, "同じ名前のファイルが同じ箱の中にある");
  ui.Click("Btn3");
  EXPECT_EQ(ui.Dialogs().SaveDialogs()[1].initialName, target.path() + "/first.bmp");
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text, "上書きしていい?");
  EXPECT_EQ(ReadAll(other), "someone else's score");
  EXPECT_EQ(CurrentScoreFile, target.path() + "/first.bmp");
  EXPECT_EQ(HistoryPos(), 2);

  ui.Dialogs().AnswerSave(other);
  ui.Dialogs().AnswerBox(kIdYes, "同じ名前のファイルが同じ箱の中にある");
  ui.Click("Btn3");
  EXPECT_TRUE(ReadAll(other).startsWith("BM"));
  EXPECT_EQ(CurrentScoreFile, other);
}

// Saving a page under one of the program's own files would lose the save at the next reset
// (the block file) or put a page in a custom symbol's place: refused, and nothing changes.
TEST(SaveButtonOwnFiles, AreRefusedAndNothingIsWritten) {
  for (const char* name : {"CCTmp.bmp", "OpPIX/3.bmp"}) {
    SCOPED_TRACE(name);
    ScoreWindowHarness ui;
    ASSERT_TRUE(QDir(ui.Folder().Path()).mkpath("OpPIX"));
    const QString symbol = ui.Folder().File("OpPIX/3.bmp");
    ASSERT_TRUE(ui.Folder().Write("OpPIX/3.bmp", "a custom symbol"));
    EditOnce(ui);
    ui.Dialogs().AnswerSave(ui.Folder().File(name));
    ui.Dialogs().AnswerBox(kIdOk, "いろいろ事情があって");
    ui.Click("Btn3");
    ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Boxes()[0].text, "プログラムが自分で使うファイルなので、この名前はダメ");
    EXPECT_FALSE(QFileInfo::exists(ui.Folder().File("CCTmp.bmp")));
    EXPECT_EQ(ReadAll(symbol), "a custom symbol");
    EXPECT_TRUE(CurrentScoreFile.isEmpty());
    EXPECT_TRUE(ui->HasUnsavedEdits());
  }
}

// A score rewritten in place and cut off by a crash comes back whole at the next start, and
// the user is told which file it was.
TEST(StartUp, PutsBackAFileWhoseRewriteInPlaceWasCutOff) {
  QTemporaryDir folder;
  const QString score = folder.filePath("score.bmp");
  ASSERT_TRUE(WriteAll(score, "the score saved yesterday"));
  WindowOptions options;
  options.prepare = [&](TempExecutableFolder&) {
    SetRewriteKeepFolder(UserDataFolder() + "Rewrites");
    KeptOriginal kept;
    ASSERT_TRUE(kept.Keep(score, "the score of today, whole"));
    ASSERT_TRUE(WriteAll(score, "the score of"));  // killed here
  };
  options.answers = [](ScriptedDialogs& dialogs) { dialogs.AnswerBox(kIdOk, "どうでもいいけど"); };
  ScoreWindowHarness ui(options);
  EXPECT_EQ(ReadAll(score), "the score saved yesterday");
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.contains(score));
}

}  // namespace
}  // namespace scoreink::test

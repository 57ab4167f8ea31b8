// Open mode of the score file dialog: a click on a file checks it and shows it as a preview in
// the score window, after the question about unsaved changes; OK opens it, Cancel brings the
// score from before back.
#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include "harness/case_names.h"

#include "dialog_test_support.h"
#include "dialogs/file_list_box.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

const QString kSaveCaption = "何か編集中のデータがあるみたいだけど";

struct SizeCase {
  int width, height;
  bool accepted;
};

class PickBySize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PickBySize, SmallPicturesAreRefusedWithTheirSizeAndChangeNothing) {
  const SizeCase& c = GetParam();
  PictureFolderFixture scans;
  const QString path = scans.Add("pic.bmp", c.width, c.height);
  ScoreWindowHarness ui;
  const QImage before = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  if (!c.accepted) ui.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");

  ASSERT_TRUE(dialog.ClickFile("pic.bmp"));

  TForm2* form = dialog.Dialog();
  if (c.accepted) {
    EXPECT_TRUE(ui.Dialogs().Boxes().empty());
    EXPECT_EQ(ui.Score().size(), QSize(c.width, c.height));
    EXPECT_EQ(PixelFormatOf(ui.Score()), PixelFormat::Bits8);
    EXPECT_EQ(ui.ScoreView()->size(), QSize(c.width, c.height)) << "shown at 100 percent";
    EXPECT_EQ(form->PickedFile(), path);
    EXPECT_TRUE(form->Control<QPushButton>("Button1")->isEnabled());
  } else {
    ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Boxes()[0].text,
              QString("pic.bmp(%1Pixel X %2Pixel) ← こんな小さな画像が楽譜になるとは思えない")
                  .arg(c.width)
                  .arg(c.height));
    EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(ui.Score(), before);
    EXPECT_TRUE(form->PickedFile().isEmpty());
    EXPECT_FALSE(form->Control<QPushButton>("Button1")->isEnabled());
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PickBySize,
                         ::testing::Values(SizeCase{100, 400, false}, SizeCase{400, 100, false},
                                           SizeCase{101, 101, true}, SizeCase{640, 120, true}),
                         [](const auto& tc) {
                           return std::to_string(tc.param.width) + "x" +
                                  std::to_string(tc.param.height);
                         });

TEST(OpenPick, ARefusedPickAfterAnAcceptedOneKeepsOkAndThePickedFile) {
  PictureFolderFixture scans;
  const QString good = scans.Add("good.jpg");
  scans.Add("tiny.bmp", 50, 50);
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ASSERT_TRUE(dialog.ClickFile("good.jpg"));
  const QImage preview = ui.Score();
  ui.Dialogs().AnswerBox(kIdOk, "どうでもいいけど");
  ASSERT_TRUE(dialog.ClickFile("tiny.bmp"));
  EXPECT_EQ(dialog.Dialog()->PickedFile(), good);
  EXPECT_TRUE(dialog.Dialog()->Control<QPushButton>("Button1")->isEnabled());
  EXPECT_EQ(ui.Score(), preview);
}

TEST(OpenPick, APreviewResetsTheZoomAndThePenLabel) {
  PictureFolderFixture scans;
  scans.Add("scan.bmp", 500, 700);
  ScoreWindowHarness ui;
  ui.Click("Btn10");  // 200 percent
  ui.Click("Btn6");   // pen width 3
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ASSERT_TRUE(dialog.ClickFile("scan.bmp"));
  EXPECT_EQ(ui->Control<QLabel>("Label3")->text(), "100");
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "2");
  EXPECT_EQ(ui.ScoreView()->size(), QSize(500, 700));
}

TEST(OpenPick, WithUnsavedChangesTheFirstPickAsksAndNoEmptiesTheHistory) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  scans.Add("b.jpg");
  ScoreWindowHarness ui;
  EditOnce(ui);
  ASSERT_EQ(HistoryPos(), 2);
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());

  ui.Dialogs().AnswerBox(kIdNo, kSaveCaption);
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text, QString(25, ' ') + "保存する?");
  EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_EQ(ui.Score().size(), QSize(300, 400));

  ASSERT_TRUE(dialog.ClickFile("b.jpg"));  // nothing is asked now
  EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(dialog.Dialog()->PickedFile(), scans.File("b.jpg"));
}

TEST(OpenPick, CancelInTheQuestionChangesNothing) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage edited = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ui.Dialogs().AnswerBox(kIdCancel, kSaveCaption);
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  EXPECT_EQ(ui.Score(), edited);
  EXPECT_EQ(HistoryPos(), 2);
  EXPECT_TRUE(dialog.Dialog()->PickedFile().isEmpty());
  EXPECT_FALSE(dialog.Dialog()->Control<QPushButton>("Button1")->isEnabled());
}

TEST(OpenPick, YesSavesAScoreWithAFileInPlaceBeforeThePreview) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  QTemporaryDir mine;
  const QString file = mine.filePath("mine.bmp");
  ScoreWindowHarness ui;
  CurrentScoreFile = file;
  EditOnce(ui);
  const QImage edited = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ui.Dialogs().AnswerBox(kIdYes, kSaveCaption);
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  EXPECT_TRUE(ui.Dialogs().SaveDialogs().empty());
  EXPECT_EQ(LoadPicture(file).image, edited);
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_EQ(ui.Score().size(), QSize(300, 400));
}

TEST(OpenPick, YesForANeverSavedScoreThenCancellingTheSaveStillPreviewsAndEnablesOverwrite) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  ScoreWindowHarness ui;
  EditOnce(ui);
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ui.Dialogs().AnswerBox(kIdYes, kSaveCaption);
  ui.Dialogs().AnswerSave(std::nullopt);
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  EXPECT_EQ(ui.Dialogs().SaveDialogs().size(), 1u);
  EXPECT_EQ(ui.Score().size(), QSize(300, 400));
  EXPECT_TRUE(ui->Control<QPushButton>("Btn4")->isEnabled());
  EXPECT_EQ(dialog.Listed(), QStringList({"a.bmp"}));
}

TEST(OpenPick, YesForANeverSavedScoreSavedElsewhereListsTheSavedFilesFolder) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  QTemporaryDir elsewhere;
  ScoreWindowHarness ui;
  EditOnce(ui);
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ui.Dialogs().AnswerBox(kIdYes, kSaveCaption);
  ui.Dialogs().AnswerSave(elsewhere.filePath("saved.bmp"));
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  EXPECT_EQ(PictureFolder, elsewhere.path());
  EXPECT_EQ(dialog.Listed(), QStringList({"saved.bmp"}));
  EXPECT_EQ(dialog.Dialog()->Control<QLabel>("Label1")->text(), scans.Path())
      << "the label stays where it was";
  EXPECT_EQ(dialog.Dialog()->PickedFile(), scans.File("a.bmp"));
  EXPECT_EQ(ui.Score().size(), QSize(300, 400));
}

TEST(OpenPick, CancelAfterPicksBringsTheScoreBackAtAHundredPercent) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  scans.Add("b.jpg", 640, 480);
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage edited = ui.Score();
  const QString file = CurrentScoreFile;
  ui.Click("Btn10");  // 200 percent
  ui.Click("Btn6");   // pen width 3
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ui.Dialogs().AnswerBox(kIdNo, kSaveCaption);
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  ASSERT_TRUE(dialog.ClickFile("b.jpg"));
  dialog.Click("Button2");

  EXPECT_EQ(ui.Score(), edited);
  EXPECT_EQ(ui->Control<QLabel>("Label3")->text(), "100");
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "2");
  EXPECT_EQ(ui.ScoreView()->size(), edited.size());
  EXPECT_EQ(PenWidth, 2) << "the pen and its label agree";
  EXPECT_EQ(CurrentScoreFile, file);
  EXPECT_FALSE(ui->Control<ImageControl>("Img00")->HasPicture()) << "the copy is let go";
}

TEST(OpenPick, OkMakesThePreviewTheScoreOfThePickedFile) {
  PictureFolderFixture scans;
  const QString path = scans.Add("a.JPG");
  ScoreWindowHarness ui;
  ui.Click("Btn6");  // pen width 3
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ASSERT_TRUE(dialog.ClickFile("a.JPG"));
  const QImage preview = ui.Score();
  dialog.Click("Button1");

  EXPECT_EQ(CurrentScoreFile, path);
  EXPECT_EQ(ui.Score(), preview);
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_TRUE(ui->Control<QPushButton>("Btn4")->isEnabled());
  EXPECT_EQ(PenWidth, 2);
  EXPECT_EQ(LeftLimit, 27);
  EXPECT_EQ(ui->Control<QLabel>("Label1")->text(), "2");
}

struct BadFile {
  const char* what;
  const char* name;
  QByteArray bytes;
};

QByteArray CutOffJpeg() {
  QTemporaryDir dir;
  WritePictureFile(dir.filePath("x.jpg"), MarkedPicture(400, 400));
  return FileBytes(dir.filePath("x.jpg")).left(600);
}

QByteArray GiantBmpHeader() {
  QTemporaryDir dir;
  WritePictureFile(dir.filePath("x.bmp"), MarkedPicture(200, 200));
  QByteArray bytes = FileBytes(dir.filePath("x.bmp")).left(54);
  for (int at : {18, 22}) {  // width and height: 60000 x 60000
    bytes[at] = char(0x60);
    bytes[at + 1] = char(0xEA);
    bytes[at + 2] = 0;
    bytes[at + 3] = 0;
  }
  return bytes;
}

class BrokenPick : public ::testing::TestWithParam<BadFile> {};

// With unsaved changes, so that a pick that went on would ask: nothing is asked, nothing lost.
TEST_P(BrokenPick, GivesTheLoadersMessageAndChangesNothing) {
  const BadFile& c = GetParam();
  PictureFolderFixture scans;
  const QString path = scans.AddBytes(c.name, c.bytes);
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage edited = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ui.Dialogs().AnswerBox(kIdOk, "エラー");

  ASSERT_TRUE(dialog.ClickFile(c.name));

  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u) << c.what;
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text, LoadPicture(path).error) << c.what;
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.contains(c.name)) << c.what;
  EXPECT_EQ(ui.Score(), edited) << c.what;
  EXPECT_EQ(HistoryPos(), 2) << c.what;
  EXPECT_TRUE(dialog.Dialog()->PickedFile().isEmpty()) << c.what;
  EXPECT_FALSE(dialog.Dialog()->Control<QPushButton>("Button1")->isEnabled()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenPick,
    ::testing::Values(BadFile{"empty", "empty.jpg", QByteArray()},
                      BadFile{"text named as a picture", "notes.bmp", "just some words"},
                      BadFile{"a JPEG cut off", "cut.jpg", CutOffJpeg()},
                      BadFile{"a header claiming a giant picture", "giant.bmp", GiantBmpHeader()}),
    [](const auto& tc) { return CaseName(tc.param.what); });

TEST(OpenPick, AFileGoneSinceTheListWasReadIsIgnored) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  ScoreWindowHarness ui;
  const QImage before = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ASSERT_TRUE(QFile::remove(scans.File("a.bmp")));
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_EQ(ui.Score(), before);
}

// The work folder replaced by a file: the history can no longer be emptied.
void BreakTheHistoryReset() {
  ASSERT_TRUE(QDir(WorkFolder).removeRecursively());
  QFile blocker(WorkFolder);
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
}

TEST(OpenPick, AfterTheHistoryResetFailedALaterPickDoesNotOfferToSaveThePreview) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  scans.Add("b.bmp");
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage edited = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  BreakTheHistoryReset();

  ui.Dialogs().AnswerBox(kIdNo, kSaveCaption);
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  ASSERT_EQ(HistoryPos(), 2) << "the reset failed";
  ASSERT_TRUE(dialog.ClickFile("b.bmp"));
  EXPECT_EQ(ui.Dialogs().Boxes().size(), 1u) << "the preview is not the user's score";
  EXPECT_EQ(dialog.Dialog()->PickedFile(), scans.File("b.bmp"));

  dialog.Click("Button2");
  EXPECT_EQ(ui.Score(), edited);
}

TEST(OpenPick, AfterYesAndALeftSaveDialogALaterPickKeepsTheHistoryForCancel) {
  PictureFolderFixture scans;
  scans.Add("a.bmp");
  scans.Add("b.bmp");
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage edited = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ui.Dialogs().AnswerBox(kIdYes, kSaveCaption);
  ui.Dialogs().AnswerSave(std::nullopt);
  ASSERT_TRUE(dialog.ClickFile("a.bmp"));
  ASSERT_TRUE(dialog.ClickFile("b.bmp"));  // no question, no save dialog
  dialog.Click("Button2");

  EXPECT_EQ(ui.Score(), edited);
  EXPECT_EQ(HistoryPos(), 2) << "the unsaved score keeps its history: closing still asks";
}

TEST(OpenPick, AnA4ScanAt600DpiOpensAsAnEightBitPreview) {
  PictureFolderFixture scans;
  scans.Add("a4.jpg", 4960, 7016);
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(scans.Path());
  ASSERT_TRUE(dialog.ClickFile("a4.jpg"));
  EXPECT_EQ(ui.Score().size(), QSize(4960, 7016));
  EXPECT_EQ(PixelFormatOf(ui.Score()), PixelFormat::Bits8);
  EXPECT_EQ(PixelColor(ui.Score(), 2480, 3508), kBlack);
  EXPECT_EQ(PixelColor(ui.Score(), 10, 10), PixelColor(ui.Score(), 4000, 6000));
}

}  // namespace
}  // namespace scoreink::test

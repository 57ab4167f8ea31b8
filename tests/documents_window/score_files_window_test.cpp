// What the save and overwrite buttons write: the formats on disk, a score that reads back as
// it was saved, the overwrite warnings, and failed saves that lose nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "document_test_support.h"
#include "harness/case_names.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

const QString kWarning = "この絵の元ファイルは、上書き保存を繰り返すと汚くなっていくタイプ\n\n" +
                         QString(29, ' ') + "それでもよければ";
const QString kWarningCaption = "左隣のボタン(新規保存)推奨";

// Saves the edited score under name with the save button; the path written.
QString SaveAs(ScoreWindowHarness& ui, const QString& folder, const QString& name) {
  ui.Dialogs().AnswerSave(folder + "/" + name);
  ui.Click("Btn3");
  return folder + "/" + name;
}

TEST(OverwriteButton, RightAfterSavingThereIsNothingWorthSaving) {
  QTemporaryDir target;
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QString file = SaveAs(ui, target.path(), "s.bmp");
  const QByteArray saved = ReadAll(file);
  ui.Dialogs().AnswerBox(kIdOk, "前と何も変わっていない");
  ui.Click("Btn4");
  EXPECT_EQ(ui.Dialogs().Boxes().back().text, "保存する価値なし");
  EXPECT_EQ(ui.Dialogs().Boxes().back().buttons, MsgButtons::Ok);
  EXPECT_EQ(ReadAll(file), saved);
}

struct OverwriteCase {
  const char* name;
  int warningAnswer;  // 0: no warning expected
  bool written;
  const char* magic;
};
class OverwriteButtonWarning : public ::testing::TestWithParam<OverwriteCase> {};

// Only a name ending in ".bmp" exactly is overwritten without the warning; the format still
// follows the extension in any case.
TEST_P(OverwriteButtonWarning, WarnsUnlessTheNameEndsInLowerCaseBmp) {
  const OverwriteCase& c = GetParam();
  QTemporaryDir target;
  const QString file = target.path() + "/" + c.name;
  ASSERT_TRUE(WriteAll(file, "old"));
  ScoreWindowHarness ui;
  CurrentScoreFile = file;
  ui->EnableOverwriteSave(true);
  EditOnce(ui);
  if (c.warningAnswer) ui.Dialogs().AnswerBox(c.warningAnswer, kWarningCaption);

  ui.Click("Btn4");

  if (c.warningAnswer) {
    ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Boxes()[0].text, kWarning);
    EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::OkCancel);
  } else {
    EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  }
  EXPECT_TRUE(ui.Dialogs().SaveDialogs().empty());
  if (c.written) {
    EXPECT_TRUE(ReadAll(file).startsWith(c.magic));
    EXPECT_EQ(HistoryPos(), 1);
  } else {
    EXPECT_EQ(ReadAll(file), "old");
    EXPECT_EQ(HistoryPos(), 2);
  }
  EXPECT_EQ(CurrentScoreFile, file);
}

INSTANTIATE_TEST_SUITE_P(Names, OverwriteButtonWarning,
                         ::testing::Values(OverwriteCase{"x.bmp", 0, true, "BM"},
                                           OverwriteCase{"x.BMP", kIdOk, true, "BM"},
                                           OverwriteCase{"x.jpg", kIdOk, true, "\xFF\xD8"},
                                           OverwriteCase{"x.jpeg", kIdCancel, false, ""}),
                         [](const auto& tc) { return scoreink::test::CaseName(tc.param.name); });

TEST(SavedScore, BmpIsEightBitWithItsPaletteAndReadsBackExactly) {
  QTemporaryDir target;
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QString file = SaveAs(ui, target.path(), "exact.bmp");
  const QByteArray bytes = ReadAll(file);
  ASSERT_GT(bytes.size(), 1078);
  EXPECT_EQ(bytes.left(2), "BM");
  EXPECT_EQ(LittleEndian(bytes, 14, 4), 40u) << "header size";
  EXPECT_EQ(LittleEndian(bytes, 28, 2), 8u) << "bits per pixel";
  EXPECT_EQ(LittleEndian(bytes, 30, 4), 0u) << "uncompressed";
  const quint32 colours = LittleEndian(bytes, 46, 4);
  EXPECT_TRUE(colours == 0 || colours == 256) << colours;
  EXPECT_EQ(LittleEndian(bytes, 10, 4), 14u + 40u + 256u * 4u) << "pixels follow the palette";
  EXPECT_EQ(LittleEndian(bytes, 54 + 4 * kBlackIndex, 3), 0u) << "black";
  EXPECT_EQ(LittleEndian(bytes, 54 + 4 * 255, 3), 0xFFFFFFu) << "white";

  const PictureResult back = LoadPicture(file);
  ASSERT_TRUE(back.ok()) << back.error.toStdString();
  EXPECT_EQ(ConvertedTo(back.image, PixelFormat::Bits8), ui.Score());
}

TEST(SavedScore, JpegIsAColourBaselineFileThatReadsBackClose) {
  QTemporaryDir target;
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QString file = SaveAs(ui, target.path(), "close.jpg");
  const JpegFrame frame = FirstFrame(ReadAll(file));
  EXPECT_EQ(frame.marker, 0xC0) << "baseline";
  EXPECT_EQ(frame.components, 3) << "colour, though the score is grey";

  const PictureResult back = LoadPicture(file);
  ASSERT_TRUE(back.ok()) << back.error.toStdString();
  const QImage saved = ConvertedTo(back.image, PixelFormat::Bits24);
  const QImage score = ConvertedTo(ui.Score(), PixelFormat::Bits24);
  ASSERT_EQ(saved.size(), score.size());
  qint64 difference = 0;
  int worst = 0;
  for (int y = 0; y < score.height(); ++y) {
    const uchar* a = saved.constScanLine(y);
    const uchar* b = score.constScanLine(y);
    for (int i = 0; i < score.width() * 3; ++i) {
      const int d = std::abs(int(a[i]) - int(b[i]));
      difference += d;
      worst = std::max(worst, d);
    }
  }
  const double mean = double(difference) / (double(score.width()) * score.height() * 3);
  EXPECT_LT(mean, 1.5);
  EXPECT_LT(worst, 128) << "ink stays ink and paper stays paper";
}

// The state a failed save must leave as it was.
struct DocumentState {
  int historyPos = HistoryPos();
  QString pictureFolder = PictureFolder;
  QString currentFile = CurrentScoreFile;
  bool operator==(const DocumentState&) const = default;
};

void ExpectOneErrorNaming(ScoreWindowHarness& ui, const QString& fileName) {
  ASSERT_FALSE(ui.Dialogs().Boxes().empty());
  const AskedBox& box = ui.Dialogs().Boxes().back();
  EXPECT_EQ(box.caption, "エラー");
  EXPECT_TRUE(box.text.contains(fileName)) << box.text.toStdString();
}

TEST(FailedSave, FullDiskKeepsTheOldFileAndTheScoresState) {
  ScratchMount disk("size=16k");
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  for (const char* name : {"score.bmp", "score.jpg"}) {
    SCOPED_TRACE(name);
    const QString file = disk.path() + "/" + name;
    ASSERT_TRUE(WriteAll(file, "the score saved yesterday"));
    ScoreWindowHarness ui;
    CurrentScoreFile = file;
    ui->EnableOverwriteSave(true);
    EditOnce(ui);
    const DocumentState before;
    const QByteArray pixDir = ReadAll(ui.Folder().File("PixDir.txt"));
    if (!file.endsWith(".bmp")) ui.Dialogs().AnswerBox(kIdOk, "左隣のボタン(新規保存)推奨");
    ui.Dialogs().AnswerBox(kIdOk, "エラー");

    ui.Click("Btn4");

    ExpectOneErrorNaming(ui, name);
    EXPECT_EQ(ReadAll(file), "the score saved yesterday");
    EXPECT_TRUE(DocumentState() == before);
    EXPECT_EQ(ReadAll(ui.Folder().File("PixDir.txt")), pixDir);
    ui.Click("Btn7");
    EXPECT_EQ(HistoryPos(), 1) << "undo still possible";
    EXPECT_TRUE(ui->Control<QPushButton>("Btn4")->isEnabled());
    QFile::remove(file);
  }
  EXPECT_TRUE(QDir(disk.path()).isEmpty()) << "no half-written file left behind";
}

TEST(FailedSave, WriteProtectedFolderKeepsTheOldFileAndTheWindowOpenOnClose) {
  ProtectedFolder folder;
  if (!folder.usable()) GTEST_SKIP() << "root ignores permissions and no read-only mount works";
  const QString file = folder.path() + "/score.bmp";
  ASSERT_TRUE(WriteAll(file, "the score saved yesterday"));
  ASSERT_TRUE(folder.Protect());
  ScoreWindowHarness ui;
  CurrentScoreFile = file;
  EditOnce(ui);
  const DocumentState before;

  // Closing with Yes tries to save in place; the failure keeps the window open.
  ui.Dialogs().AnswerBox(kIdYes, "何か編集中のデータがあるみたいだけど");
  ui.Dialogs().AnswerBox(kIdOk, "エラー");
  ui->close();
  EXPECT_TRUE(ui->isVisible());
  ExpectOneErrorNaming(ui, "score.bmp");
  EXPECT_TRUE(DocumentState() == before);

  // Saving under a new name there fails the same way.
  ui.Dialogs().AnswerSave(folder.path() + "/other.bmp");
  ui.Dialogs().AnswerBox(kIdOk, "エラー");
  ui.Click("Btn3");
  ExpectOneErrorNaming(ui, "other.bmp");
  EXPECT_TRUE(DocumentState() == before);
  EXPECT_FALSE(ui->Control<QPushButton>("Btn4")->isEnabled());
  EXPECT_EQ(ReadAll(file), "the score saved yesterday");
  EXPECT_FALSE(QFileInfo::exists(folder.path() + "/other.bmp"));

  // Saved elsewhere, the window closes.
  QTemporaryDir elsewhere;
  SaveAs(ui, elsewhere.path(), "rescued.bmp");
  EXPECT_EQ(HistoryPos(), 1);
  ui->close();
  EXPECT_FALSE(ui->isVisible());
}

}  // namespace
}  // namespace scoreink::test

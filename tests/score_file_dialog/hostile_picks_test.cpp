// Picks that would once freeze the score file dialog: a small progressive JPEG whose scans
// would keep the decoder busy for long, a picture that takes seconds to read, a link to a pipe;
// and a file whose name is not UTF-8.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QPushButton>
#include <cstdio>

#include "dialog_test_support.h"
#include "dialogs/file_list_box.h"
#include "harness/long_reads.h"
#include "harness/repeated_scan_jpeg.h"
#include "platform/files/native_path.h"
#include "platform/picture_files/picture_io.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

TEST(HostilePicks, AProgressiveJpegOfRepeatedScansIsRefusedBeforeItIsDecoded) {
  // 8192 x 8192 in 444 scans: far more work than any real file, under the scan count limit.
  PictureFolderFixture folder;
  folder.AddBytes("scans.jpg", RepeatedScanJpeg(1024, 8192, 380));
  ScoreWindowHarness ui;
  const QImage before = ui.Score();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(folder.Path());
  ui.Dialogs().AnswerBox(kIdOk, "エラー");
  ASSERT_TRUE(dialog.ClickFile("scans.jpg"));
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text.toStdString(),
            "画像ファイルを読めない: scans.jpg\n"
            "JPEGのスキャンが多すぎて、読むのに時間がかかりすぎる");
  EXPECT_EQ(ui.Score(), before);
  EXPECT_FALSE(dialog.Dialog()->Control<QPushButton>("Button1")->isEnabled());
}

TEST(HostilePicks, ALongPickShowsItsProgressAndEscStopsItChangingNothing) {
  PictureFolderFixture folder;
  WriteSparseBmp(folder.File("big.bmp"), 10000, 8000);
  ScoreWindowHarness ui;
  EditOnce(ui);
  const QImage before = ui.Score();
  const int historyPos = HistoryPos();
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(folder.Path());
  {
    StopWhenProgressShows stop(dialog.Dialog(), ui.ScoreView());
    ASSERT_TRUE(dialog.ClickFile("big.bmp"));
    EXPECT_TRUE(stop.SawProgress());
    EXPECT_TRUE(stop.SawRepaint()) << "the windows repaint while the picture is read";
  }
  EXPECT_TRUE(ui.Dialogs().Boxes().empty()) << "a stopped pick asks and says nothing";
  EXPECT_EQ(ui.Score(), before);
  EXPECT_EQ(HistoryPos(), historyPos);
  ASSERT_TRUE(dialog.IsOpen());
  EXPECT_TRUE(dialog.Dialog()->PickedFile().isEmpty());
  EXPECT_FALSE(dialog.Dialog()->Control<QPushButton>("Button1")->isEnabled());
}

TEST(HostilePicks, ALinkToAPipeIsRefusedWithoutWaitingOnIt) {
  PictureFolderFixture folder;
  ASSERT_EQ(mkfifo(QFile::encodeName(folder.File("pipe")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(folder.File("pipe"), folder.File("pipe.bmp")));
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(folder.Path());
  ui.Dialogs().AnswerBox(kIdOk, "エラー");
  ASSERT_TRUE(dialog.ClickFile("pipe.bmp"));
  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_EQ(ui.Dialogs().Boxes()[0].text,
            "画像ファイルを読めない: pipe.bmp\n普通のファイルではない (パイプや装置は開かない)");
}

TEST(HostilePicks, ANameThatIsNotUtf8IsListedAndOpensByItsOwnBytes) {
  PictureFolderFixture folder;
  const QByteArray name("score-\xFF\xFE.bmp");
  const QByteArray path = QFile::encodeName(folder.Path()) + '/' + name;
  const QImage picture = MarkedPicture(300, 400);
  {
    std::FILE* file = std::fopen(path.constData(), "wb");
    ASSERT_NE(file, nullptr);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteBmp(picture, bytes).ok());
    std::fwrite(bytes.data().constData(), 1, size_t(bytes.data().size()), file);
    std::fclose(file);
  }
  ScoreWindowHarness ui;
  ScoreFileDialogDriver dialog(ui);
  dialog.ChooseFolder(folder.Path());
  const QString shown = QStringLiteral("score-\uFFFD\uFFFD.bmp");
  ASSERT_EQ(dialog.Listed(), QStringList{shown});
  ASSERT_TRUE(dialog.ClickFile(shown));
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  EXPECT_EQ(ui.Score().size(), QSize(300, 400));
  dialog.Click("Button1");
  EXPECT_EQ(NativePath(CurrentScoreFile), path);
  ::unlink(path.constData());  // the temporary folder is removed by names that are UTF-8
}

}  // namespace
}  // namespace scoreink::test

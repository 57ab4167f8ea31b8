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
#include <vector>

#include <jpeglib.h>

#include "dialog_test_support.h"
#include "dialogs/file_list_box.h"
#include "harness/long_reads.h"
#include "platform/native_path.h"
#include "platform/picture_io.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

// A white grey progressive JPEG as jpegtran makes it with one DC scan and 63 scans of one AC
// coefficient each, with the last scan's bytes repeated before the end marker: a file of a
// few kilobytes that libjpeg would decode scan after scan over the whole picture. Its frame
// then claims a larger picture than its scans hold: the scans are never decoded, and a small
// picture is made in a moment.
QByteArray RepeatedScanJpeg(int side, int claimedSide, int repeats) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = cinfo.image_height = JDIMENSION(side);
  cinfo.input_components = 1;
  cinfo.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  std::vector<jpeg_scan_info> scans(64);
  for (int k = 0; k < 64; ++k) scans[size_t(k)] = {1, {0, 0, 0, 0}, k, k, 0, 0};
  cinfo.scan_info = scans.data();
  cinfo.num_scans = 64;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> white(size_t(side), 255);
  for (int y = 0; y < side; ++y) {
    JSAMPROW row = white.data();
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray file(reinterpret_cast<const char*>(buffer), qsizetype(size));
  std::free(buffer);
  const qsizetype frame = file.indexOf("\xFF\xC2");
  file[frame + 5] = file[frame + 7] = char(claimedSide >> 8);
  file[frame + 6] = file[frame + 8] = char(claimedSide);
  const qsizetype lastScan = file.lastIndexOf("\xFF\xDA");
  const qsizetype end = file.lastIndexOf("\xFF\xD9");
  return file.left(end) + file.mid(lastScan, end - lastScan).repeated(repeats) + file.mid(end);
}

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
  EXPECT_FALSE(dialog.Dialog()->Button1->isEnabled());
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
    StopWhenProgressShows stop(dialog.Dialog(), ui->Image1);
    ASSERT_TRUE(dialog.ClickFile("big.bmp"));
    EXPECT_TRUE(stop.SawProgress());
    EXPECT_TRUE(stop.SawRepaint()) << "the windows repaint while the picture is read";
  }
  EXPECT_TRUE(ui.Dialogs().Boxes().empty()) << "a stopped pick asks and says nothing";
  EXPECT_EQ(ui.Score(), before);
  EXPECT_EQ(HistoryPos(), historyPos);
  ASSERT_TRUE(dialog.IsOpen());
  EXPECT_TRUE(dialog.Dialog()->PickedFile().isEmpty());
  EXPECT_FALSE(dialog.Dialog()->Button1->isEnabled());
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

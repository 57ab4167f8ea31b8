// Whole sessions through the windows: a scan opened with the file dialog, edited with the
// region tools and the history, saved and opened again; and the template tools following the
// score that is opened.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QRadioButton>
#include <cstring>

#include "dialog_test_support.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

// A scan of a score written on the blank page: 1240 x 1754 (A4 at 150 dpi) at 24 bits, the
// blank page in its top left, note heads of black ink on it.
QImage ScanOfAScore(const QImage& blankPage) {
  QImage scan(1240, 1754, QImage::Format_RGB888);
  scan.fill(Qt::white);
  const QImage page = ConvertedTo(blankPage, PixelFormat::Bits24);
  for (int y = 0; y < page.height(); ++y)
    memcpy(scan.scanLine(y), page.constScanLine(y), size_t(page.width()) * 3);
  for (QPoint head : {QPoint(310, 60), QPoint(420, 80), QPoint(900, 1400)})
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 9; ++x) scan.setPixelColor(head.x() + x, head.y() + y, Qt::black);
  return scan;
}

// Selects the region between two corners with the chosen region tool (the floating block
// appears over it), then drags the block by its middle so far.
void CarryRegion(ScoreWindowHarness& ui, QPoint from, QPoint to, QPoint by) {
  ui.DragOnScore(from, to);
  ASSERT_TRUE(ui.Overlay()->isVisible());
  const QPoint grab(ui.Overlay()->width() / 2, ui.Overlay()->height() / 2);
  ui.Press("Image2", grab);
  ui.Move("Image2", grab + by);
  ui.Release("Image2", grab + by);
}

bool BlackAt(const QImage& picture, QPoint at) {
  return PixelColor(picture, at.x(), at.y()) == kBlack;
}

TEST(LongSession, OpenAScanMoveUndoCopyTwiceSaveAndOpenItAgain) {
  PictureFolderFixture scans;
  ScoreWindowHarness ui;
  WritePictureFile(scans.File("scan.bmp"), ScanOfAScore(ui.Score()));
  QTemporaryDir saved;

  OpenWithOk(ui, scans.Path(), "scan.bmp");
  ASSERT_EQ(ui.Score().size(), QSize(1240, 1754));
  ASSERT_TRUE(TemplateScore);
  const QImage opened = ui.Score().copy();

  // Move the first note head 200 pixels right, then take the move back.
  ui.Click("RBtnLM4");
  CarryRegion(ui, {305, 55}, {325, 72}, {200, 0});
  ui.ClickAt("Panel1", {105, 80});  // stamps the block
  EXPECT_TRUE(BlackAt(ui.Score(), {514, 63}));
  EXPECT_FALSE(BlackAt(ui.Score(), {314, 63}));
  ASSERT_EQ(HistoryPos(), 2);
  ui.Click("Btn7");
  EXPECT_EQ(ui.Score(), opened) << "the undo brings back the picture as it was opened";

  // Copy the second note head twice, the second press stamping the first copy.
  ui.Click("RBtnLM5");
  CarryRegion(ui, {415, 75}, {435, 92}, {0, 300});
  CarryRegion(ui, {415, 75}, {435, 92}, {100, 500});
  ui.ClickAt("Panel1", {105, 80});
  for (QPoint at : {QPoint(424, 83), QPoint(424, 383), QPoint(524, 583)})
    EXPECT_TRUE(BlackAt(ui.Score(), at)) << at.x() << ", " << at.y();
  const QImage edited = ui.Score().copy();
  EXPECT_EQ(PixelFormatOf(edited), PixelFormat::Bits8);

  ui.Dialogs().AnswerSave(saved.filePath("session.bmp"));
  ui.Click("Btn3");
  ASSERT_EQ(CurrentScoreFile, saved.filePath("session.bmp"));
  EXPECT_EQ(HistoryPos(), 1);

  // Over the score: a new page, then the saved file opened again.
  ui.Click("Btn1");
  OpenWithOk(ui, saved.path(), "session.bmp");
  EXPECT_EQ(ui.Score(), edited);
  EXPECT_TRUE(TemplateScore);
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM4")->isVisible());
  EXPECT_EQ(CurrentScoreFile, saved.filePath("session.bmp"));
  EXPECT_TRUE(ui.Dialogs().Boxes().empty());
}

TEST(LongSession, ATemplateScoreSavedAndOpenedKeepsTheTemplateToolsAScanHidesThem) {
  PictureFolderFixture scans;
  scans.Add("scan.jpg", 1240, 1754);
  QTemporaryDir saved;
  ScoreWindowHarness ui;
  EditOnce(ui);
  ui.Dialogs().AnswerSave(saved.filePath("written.bmp"));
  ui.Click("Btn3");
  const QImage written = ui.Score().copy();

  OpenWithOk(ui, scans.Path(), "scan.jpg");
  EXPECT_FALSE(TemplateScore);
  EXPECT_FALSE(ui->Control<QRadioButton>("RBtnLM3")->isVisible());
  EXPECT_FALSE(ui->Control<QComboBox>("ComboBox1")->isVisible());

  OpenWithOk(ui, saved.path(), "written.bmp");
  EXPECT_EQ(ui.Score(), written);
  EXPECT_TRUE(TemplateScore);
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM3")->isVisible());
  EXPECT_TRUE(ui->Control<QRadioButton>("RBtnLM4")->isVisible());
  EXPECT_TRUE(ui->Control<QComboBox>("ComboBox1")->isVisible());
}

}  // namespace
}  // namespace scoreink::test

// Picking a picture in the image import dialog: the preview, the split put into the symbol
// editor's import area, the threshold knob and its release, broken files, OK and Cancel.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "dialogs/core/black_white.h"
#include "dialogs/file_list_box.h"
#include "harness/import_dialog_harness.h"
#include "harness/item_views.h"
#include "harness/long_reads.h"
#include "import_test_pictures.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

const QRect kBlackBar(20, 30, 40, 10);
const QRect kGreyBar(100, 30, 40, 10);

QImage Imported(ImportDialogHarness& im) {
  return im.ImportView()->Picture();
}

// The dialog opened on a folder with the paper drawing, and the drawing picked.
void OpenOnTheDrawing(ImportDialogHarness& im) {
  im.PutPicture("drawing.bmp", PaperDrawing());
  im.Open();
  im.Pick("drawing.bmp");
}

int Threshold(ImportDialogHarness& im) {
  return im.Dialog().Control<QLabel>("TBL1")->text().toInt();
}

TEST(ImportPick, ShowsAPreviewAndPutsTheSplitIntoTheImportArea) {
  ImportDialogHarness im;
  OpenOnTheDrawing(im);
  TForm4& dialog = im.Dialog();

  EXPECT_TRUE(im.Dialogs().Boxes().empty());
  // 200 x 150 shrinks to 35 % in the box of 70 x 105.
  EXPECT_EQ(dialog.Control<ImageControl>("Image1")->size(), QSize(70, 52));
  EXPECT_EQ(dialog.Control<ImageControl>("Image1")->Picture().size(), QSize(70, 52));
  EXPECT_TRUE(dialog.Control<ImageControl>("Image1")->Stretch());
  for (QWidget* control : {dialog.Control("TBB0"), dialog.Control("TBL0"), dialog.Control("TBL1"),
                           dialog.Control("TBL2")})
    EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
  EXPECT_TRUE(dialog.Control<QPushButton>("Button1")->isEnabled());
  EXPECT_EQ(Threshold(im), 60);
  EXPECT_EQ(dialog.Control<QPushButton>("TBB0")->x(), 140);

  const QImage split = Imported(im);
  EXPECT_EQ(split.size(), QSize(200, 150));
  EXPECT_TRUE(BlackExactlyIn(split, kBlackBar)) << "only what is within 60 of black";
  EXPECT_EQ(im.ImportView()->size(), QSize(200, 150)) << "shown at the import area's zoom";
  EXPECT_FALSE(im.Editor().Control<ImageControl>("ImgBK")->HasPicture())
      << "nothing is accepted before OK";
}

TEST(ImportPick, AJpegAndALightOnDarkPictureComeOutBlackOnWhite) {
  ImportDialogHarness im;
  im.PutPicture("board.jpg", BoardDrawing());
  im.Open();
  im.Pick("board.jpg");
  const QImage split = Imported(im);
  ASSERT_EQ(split.size(), QSize(200, 150));
  // The chalk is the smaller class, whatever JPEG did to its edges.
  EXPECT_TRUE(IsBlackAt(split, 40, 35));
  EXPECT_TRUE(IsBlackAt(split, 120, 35));
  EXPECT_FALSE(IsBlackAt(split, 5, 5));
  EXPECT_FALSE(IsBlackAt(split, 100, 100));
}

TEST(ThresholdKnob, MovesShowTheValueAndOnlyTheReleaseSplitsAgain) {
  ImportDialogHarness im;
  OpenOnTheDrawing(im);
  TForm4& dialog = im.Dialog();
  const QImage before = Imported(im);

  // Pressed and moved, not released: the number changes, the split does not.
  const int y = dialog.Control<QPushButton>("TBB0")->height() / 2;
  im.Driver().Press("TBB0", {10, y});
  EXPECT_TRUE(dialog.KnobHeld());
  im.Driver().Move("TBB0", {10 + 20, y});
  EXPECT_EQ(dialog.Control<QPushButton>("TBB0")->x(), 160);
  EXPECT_EQ(Threshold(im), 102);
  EXPECT_EQ(Imported(im), before);
  im.Driver().Release("TBB0", {10, y});
  EXPECT_FALSE(dialog.KnobHeld());
  EXPECT_TRUE(BlackExactlyIn(Imported(im), QRegion(kBlackBar) + kGreyBar)) << "within 102";
  EXPECT_EQ(dialog.Control<ImageControl>("Image1")->size(), QSize(70, 52)) << "the preview stays";
}

TEST(ThresholdKnob, PositionsAndValues) {
  const struct {
    const char* name;
    std::initializer_list<int> lefts;
    int left, value;
    QRegion black;
  } cases[] = {
      // Back at 140 the value is read from the place: 59, not the 60 it started at.
      {"BackTo140", {180, 140}, 140, 59, QRegion(kBlackBar)},
      {"FarLeft", {100, 50}, 112, 0, QRegion(kBlackBar)},
      {"FarRight", {300}, 232, 255, QRegion()},  // everything within reach: all white
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ImportDialogHarness im;
    OpenOnTheDrawing(im);
    im.DragKnob(c.lefts);
    EXPECT_EQ(im.Dialog().Control<QPushButton>("TBB0")->x(), c.left);
    EXPECT_EQ(Threshold(im), c.value);
    EXPECT_TRUE(BlackExactlyIn(Imported(im), c.black));
  }
}

TEST(ThresholdKnob, APressAndReleaseWithoutMovingSplitsAgainAndOnlyTheLeftButtonDrags) {
  ImportDialogHarness im;
  OpenOnTheDrawing(im);
  TForm4& dialog = im.Dialog();
  im.ImportView()->ClearPicture();  // so that a split shows

  im.Driver().Press("TBB0", {10, 5}, Qt::RightButton);
  EXPECT_FALSE(dialog.KnobHeld());
  im.Driver().Move("TBB0", {30, 5});
  im.Driver().Release("TBB0", {30, 5}, Qt::RightButton);
  EXPECT_EQ(dialog.Control<QPushButton>("TBB0")->x(), 140);
  EXPECT_FALSE(im.ImportView()->HasPicture());

  im.Driver().Press("TBB0", {10, 5});
  im.Driver().Release("TBB0", {10, 5});
  EXPECT_TRUE(BlackExactlyIn(Imported(im), kBlackBar));
}

TEST(ImportPick, ANewPickStartsAtSixtyAgain) {
  ImportDialogHarness im;
  im.PutPicture("a.bmp", PaperDrawing());
  im.PutPicture("b.bmp", BoardDrawing());
  im.Open();
  im.Pick("a.bmp");
  im.DragKnob({200});
  ASSERT_NE(Threshold(im), 60);
  im.Pick("b.bmp");
  EXPECT_EQ(Threshold(im), 60);
  EXPECT_EQ(im.Dialog().Control<QPushButton>("TBB0")->x(), 140);
  EXPECT_TRUE(BlackExactlyIn(Imported(im), QRegion(kBlackBar) + kGreyBar));
}

TEST(ImportPick, ABrokenFileIsReportedAndChangesNothing) {
  ImportDialogHarness im;
  im.PutPicture("good.bmp", PaperDrawing());
  im.PutBytes("broken.bmp", "BM this is no bitmap");
  QByteArray jpeg;
  {
    im.PutPicture("cut.jpg", PaperDrawing());
    QFile file(im.PicturePath("cut.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    jpeg = file.readAll();
    ASSERT_TRUE(file.resize(jpeg.size() / 3));
  }
  im.Open();
  im.Pick("good.bmp");
  im.DragKnob({180});
  TForm4& dialog = im.Dialog();
  const QImage preview = dialog.Control<ImageControl>("Image1")->Picture(), split = Imported(im);
  const int threshold = Threshold(im), knob = dialog.Control<QPushButton>("TBB0")->x();

  for (const char* name : {"broken.bmp", "cut.jpg"}) {
    SCOPED_TRACE(name);
    im.Dialogs().AnswerBox(kIdOk, "エラー");
    im.Pick(name);
    ASSERT_FALSE(im.Dialogs().Boxes().empty());
    EXPECT_TRUE(im.Dialogs().Boxes().back().text.contains(name));
    EXPECT_EQ(dialog.Control<ImageControl>("Image1")->Picture(), preview);
    EXPECT_EQ(Imported(im), split);
    EXPECT_EQ(Threshold(im), threshold);
    EXPECT_EQ(dialog.Control<QPushButton>("TBB0")->x(), knob);
  }
}

TEST(ImportPick, AFileThatHasGoneDoesNothing) {
  ImportDialogHarness im;
  im.PutPicture("gone.bmp", PaperDrawing());
  im.Open();
  ASSERT_TRUE(QFile::remove(im.PicturePath("gone.bmp")));
  im.Pick("gone.bmp");
  EXPECT_TRUE(im.Dialogs().Boxes().empty());
  EXPECT_FALSE(im.Dialog().Control<QPushButton>("Button1")->isEnabled());
  EXPECT_TRUE(im.Dialog().Control<QPushButton>("TBB0")->isHidden());
  EXPECT_FALSE(im.ImportView()->HasPicture());
}

TEST(ImportPick, ALongPickMakesRoomForItselfAndEscBringsBackWhatWasShown) {
  ImportDialogHarness im;
  im.PutPicture("paper.bmp", PaperDrawing());
  WriteSparseBmp(im.PicturePath("big.bmp"), 10000, 8000);
  im.Open();
  im.Pick("paper.bmp");
  const QImage first = Imported(im).copy();
  EXPECT_EQ(first.format(), QImage::Format_Indexed8) << "a split takes one byte a pixel";
  bool roomMade = false;
  {
    StopWhenProgressShows stop(&im.Dialog(), &im.Editor(),
                               [&] { roomMade = !im.ImportView()->HasPicture(); });
    im.Pick("big.bmp");
    EXPECT_TRUE(stop.SawProgress());
    EXPECT_TRUE(stop.SawRepaint()) << "the windows repaint while the picture is read";
  }
  EXPECT_TRUE(roomMade) << "the split shown and not accepted is set aside while the next is read";
  EXPECT_TRUE(im.Dialogs().Boxes().empty());
  EXPECT_EQ(Imported(im), first);
  EXPECT_EQ(im.Dialog().Control<ImageControl>("Image1")->Picture().size(), QSize(70, 52))
      << "the preview stays";
}

void ExpectImportControls(TForm3& editor, bool shown) {
  for (const char* name : {"BtnZoomUpDn10", "BtnZoomUpDn11", "LBL1", "LBL2", "LBL3", "LBL4"})
    EXPECT_EQ(editor.Control(name)->isVisible(), shown) << name;
  EXPECT_EQ(editor.Control<QLabel>("LBL7")->isVisible(), !shown);
}

TEST(ImportOkAndCancel, OkAcceptsTheSplitAndShowsTheImportControls) {
  ImportDialogHarness im;
  OpenOnTheDrawing(im);
  const QImage split = Imported(im);
  im.Click("Button1");
  EXPECT_FALSE(im.IsOpen());
  TForm3& editor = im.Editor();
  EXPECT_EQ(editor.Control<ImageControl>("ImgBK")->Picture(), split);
  EXPECT_EQ(editor.Control<ImageControl>("Img1")->Picture(), split);
  EXPECT_FALSE(editor.ImportOpen());
  EXPECT_TRUE(editor.Control<ImageControl>("Img1")->isEnabled());
  ExpectImportControls(editor, true);
}

TEST(ImportOkAndCancel, CancelWithNothingAcceptedEmptiesTheImportArea) {
  ImportDialogHarness im;
  OpenOnTheDrawing(im);
  im.Click("Button2");
  EXPECT_FALSE(im.IsOpen());
  EXPECT_FALSE(im.ImportView()->HasPicture());
  EXPECT_TRUE(im.ImportView()->isEnabled());
  ExpectImportControls(im.Editor(), false);
}

TEST(ImportOkAndCancel, CancelAfterAnEarlierOkBringsBackTheEarlierImport) {
  ImportDialogHarness im;
  im.PutPicture("paper.bmp", PaperDrawing());
  im.PutPicture("board.bmp", BoardDrawing());
  im.Open();
  im.Pick("paper.bmp");
  im.Click("Button1");
  const QImage accepted = im.Editor().Control<ImageControl>("ImgBK")->Picture();
  im.EditorHarness().Click("BtnZoomUpDn11");  // 200 %: "OpenFile" goes back to 100
  ASSERT_EQ(im.ImportView()->size(), QSize(400, 300));

  im.Open();
  EXPECT_EQ(im.Editor().Control<QLabel>("LBL1")->text(), "100");
  EXPECT_EQ(im.ImportView()->size(), QSize(200, 150));
  im.Pick("board.bmp");
  ASSERT_TRUE(BlackExactlyIn(Imported(im), QRegion(kBlackBar) + kGreyBar));
  im.Click("Button2");

  EXPECT_EQ(im.ImportView()->Picture(), accepted);
  EXPECT_EQ(im.ImportView()->size(), QSize(200, 150));
  ExpectImportControls(im.Editor(), true);
}

}  // namespace
}  // namespace scoreink::test

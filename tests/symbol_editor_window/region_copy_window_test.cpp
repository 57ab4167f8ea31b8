// Copying a region of the imported picture into the drawing by a drag in the import area, and
// "OpenFile"'s clean copy of the import.
#include <gtest/gtest.h>
#include <QLabel>

#include "dialogs/tform4.h"
#include "harness/symbol_editor_harness.h"
#include "harness/symbol_pictures.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

TEST(SymbolEditorRegionCopy, ASelectionCopiesAtMost30By30ToTheTopLeftOfABlankDrawing) {
  struct SelectionCase {
    const char* what;
    int zoomClicks;  // import area zoom: 100 % plus 100 per click
    QPoint press;    // picture pixels
    QPoint release;
    QRect region;
  };
  const SelectionCase cases[] = {
      {"up and left past 30", 0, {40, 10}, {5, 50}, {5, 10, 30, 30}},
      {"10 x 5", 0, {5, 10}, {15, 15}, {5, 10, 10, 5}},
      {"10 x 5 at 300 %", 2, {5, 10}, {15, 15}, {5, 10, 10, 5}},
      {"past the picture's edge", 0, {50, 55}, {70, 80}, {50, 55, 20, 25}},
  };
  const QImage picture = CoordinatePicture(60, 60);
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.what);
    SymbolEditorHarness ed;
    ed.Click("Btn05", 3);  // a trimmed drawing: the copy is 30 x 30 again
    ed.Import(picture);
    ed.Click("BtnZoomUpDn11", c.zoomClicks);
    const int f = 1 + c.zoomClicks;
    const int before = HistoryPos();
    ed.DragOnImport(c.press * f + QPoint(f / 2, f / 2), c.release * f + QPoint(f / 2, f / 2));
    EXPECT_EQ(ed.Drawing(), WhiteWithPart({30, 30}, picture, c.region, {0, 0}));
    EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 120));
    EXPECT_EQ(HistoryPos(), before + 1);
    EXPECT_EQ(ed->Control<ImageControl>("ImgTMP")->Picture(), ed.Drawing());
    // The feedback rectangle is gone again.
    EXPECT_EQ(ed.ImportView()->Picture(), picture);
    ed.Undo();
    EXPECT_EQ(ed.Drawing().size(), QSize(30, 27));
  }
}

TEST(SymbolEditorRegionCopy, TheFeedbackIsAnInvertedOutlineThatFollowsTheMouse) {
  SymbolEditorHarness ed;
  const QImage picture = CoordinatePicture(60, 60);
  ed.Import(picture);
  ed.Driver().Press("Img1", {10, 10});
  ed.Driver().Move("Img1", {20, 30});
  const QImage& shown = ed.ImportView()->Picture();
  auto inverted = [&](int x, int y) {
    return shown.pixel(x, y) == (~picture.pixel(x, y) | 0xFF000000u);
  };
  EXPECT_TRUE(inverted(10, 10));
  EXPECT_TRUE(inverted(19, 29));
  EXPECT_FALSE(inverted(15, 20));  // the inside stays as it is
  EXPECT_FALSE(inverted(20, 30));  // right and bottom are outside
  ed.Driver().Move("Img1", {14, 14});
  EXPECT_FALSE(inverted(19, 29));  // the previous rectangle is taken back
  EXPECT_TRUE(inverted(13, 13));
  ed.Driver().Release("Img1", {14, 14});
  EXPECT_EQ(shown, picture);
  EXPECT_EQ(ed.Drawing(), WhiteWithPart({30, 30}, picture, {10, 10, 4, 4}, {0, 0}));
}

TEST(SymbolEditorRegionCopy, AReleaseOnThePressColumnOrRowCopiesAndRecordsNothing) {
  for (const QPoint release : {QPoint(10, 40), QPoint(40, 10)}) {
    SCOPED_TRACE(testing::Message() << release.x() << "," << release.y());
    SymbolEditorHarness ed;
    ed.Import(CoordinatePicture(60, 60));
    ed.Driver().Press("Img1", {10, 10});
    ed.Driver().Move("Img1", {30, 30});
    ed.Driver().Release("Img1", release);
    EXPECT_TRUE(AllWhite(ed.Drawing()));
    EXPECT_EQ(HistoryPos(), 1);
    EXPECT_EQ(ed.ImportView()->Picture(), CoordinatePicture(60, 60));
    EXPECT_FALSE(ed->InDrag());
  }
}

TEST(SymbolEditorRegionCopy, ADragBeforeAnyImportCopiesNothing) {
  SymbolEditorHarness ed;
  ed.DragOnImport({10, 10}, {100, 120});
  EXPECT_TRUE(AllWhite(ed.Drawing()));
  EXPECT_EQ(HistoryPos(), 1);
  EXPECT_FALSE(ed.ImportView()->HasPicture());
}

TEST(SymbolEditorOpenFile, KeepsACleanCopyOfTheImportAt100Percent) {
  SymbolEditorHarness ed;
  ed.Click("Btn11");
  EXPECT_FALSE(
      ed->Control<ImageControl>("ImgBK")->HasPicture());  // nothing imported: nothing to keep
  ASSERT_NE(Form4, nullptr);
  FormDriver(Form4).Click("Button2");  // the import dialog it opened, cancelled

  const QImage picture = CoordinatePicture(60, 40);
  ed.Import(picture);
  ed->Control<ImageControl>("ImgBK")->ClearPicture();
  ed.Click("BtnZoomUpDn11", 2);
  ed.Click("Btn11");
  EXPECT_EQ(ed->Control<QLabel>("LBL1")->text(), "100");
  EXPECT_EQ(ed.ImportView()->size(), QSize(60, 40));
  EXPECT_EQ(ed->Control<ImageControl>("ImgBK")->Picture(), picture);
  EXPECT_EQ(HistoryPos(), 1);
}

}  // namespace
}  // namespace scoreink::test

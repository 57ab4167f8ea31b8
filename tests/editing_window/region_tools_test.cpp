// The region tools through the window: delete puts the blank staff back, copy and move carry
// only the user's black ink (never the staff lines) to where the block is dragged, at every
// zoom, and a block dragged to the far corner is stamped clipped to the score.
#include <gtest/gtest.h>
#include <QFile>

#include "editing/tool_modes.h"
#include "platform/history/edit_history.h"
#include "platform/picture_files/picture_io.h"
#include "region_test_support.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

// The first row of template ink in column x: a staff line.
int StaffLineRow(const QImage& blank, int x) {
  for (int y = 0; y < blank.height(); ++y)
    if (PixelColor(blank, x, y) == kTemplateInk) return y;
  return -1;
}

bool HasTemplateInk(const QImage& picture, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (PixelColor(picture, x, y) == kTemplateInk) return true;
  return false;
}

// The black pixels of region of picture, on white.
QImage InkOf(const QImage& picture, const QRect& region) {
  QImage ink = NewBitmap(region.width(), region.height(), PixelFormat::Bits24);
  for (int y = 0; y < region.height(); ++y)
    for (int x = 0; x < region.width(); ++x)
      if (IsBlackAt(picture, region.x() + x, region.y() + y)) ink.setPixel(x, y, kBlack);
  return ink;
}

// The overlay holds the region's black ink on white and its dotted frame, nothing else.
void ExpectFloatingBlock(const QImage& overlay, const QImage& before, const QRect& region) {
  ASSERT_EQ(overlay.size(), region.size());
  for (int y = 0; y < region.height(); ++y) {
    for (int x = 0; x < region.width(); ++x) {
      const bool edge = x == 0 || y == 0 || x == region.width() - 1 || y == region.height() - 1;
      const QRgb colour = PixelColor(overlay, x, y);
      ASSERT_TRUE(colour == kBlack || colour == kWhite) << x << "," << y;
      if (!edge) {
        ASSERT_EQ(colour == kBlack, IsBlackAt(before, region.x() + x, region.y() + y))
            << x << "," << y;
      }
    }
  }
  // The frame is dotted from the top-left corner on.
  for (int x = 0; x < region.width() - 1; ++x)
    EXPECT_EQ(PixelColor(overlay, x, 0), x % 2 == 0 ? kBlack : kWhite) << x;
}

TEST(RegionCopy, CarriesTheNoteHeadButNotTheStaffLines) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  const int line = StaffLineRow(blank, 300);
  ASSERT_GT(line, 15);
  InkNoteHead(ui.Score(), {300, line - 3});
  const QImage before = ui.Score().copy();
  const QRect region(290, line - 15, 40, 30);
  ASSERT_TRUE(HasTemplateInk(before, region));

  ui.Click("RBtnLM5");
  ui.DragOnScore(region.topLeft(), region.topLeft() + QPoint(40, 30));
  ASSERT_TRUE(ui.Overlay()->isVisible());
  EXPECT_EQ(ui.Overlay()->geometry(), region);
  ExpectFloatingBlock(ui.Overlay()->Picture(), before, region);
  EXPECT_TRUE(SamePicture(ui.Score(), before)) << "a copy leaves the source, the band is gone";
  const PictureResult clean = LoadBmp(CurrentWorkPlaces.BlockFile());
  ASSERT_TRUE(clean.ok());
  EXPECT_EQ(clean.image.format(), QImage::Format_RGB888);
  EXPECT_TRUE(SamePicture(clean.image, InkOf(before, region)))
      << "the block file holds the ink without the frame";

  DragBlockTo(ui, {500, line - 15});
  CommitByPanelClick(ui);
  EXPECT_TRUE(ui.Overlay()->isHidden());
  EXPECT_TRUE(SamePicture(ui.Score(), Carried(before, blank, region, {500, line - 15}, false)));
  EXPECT_FALSE(QFile::exists(CurrentWorkPlaces.BlockFile()));
  EXPECT_EQ(PixelFormatOf(ui.Score()), PixelFormat::Bits8);
  EXPECT_EQ(HistoryPos(), 2);
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), before));
}

TEST(RegionMove, BlanksTheSourceBeforeTheDropAndOneUndoRevertsIt) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  InkNoteHead(ui.Score(), {310, 210});
  InkArea(ui.Score(), QRect(330, 200, 3, 30));  // a stem
  const QImage before = ui.Score().copy();
  const QRect region(300, 195, 50, 45);

  ui.Click("RBtnLM4");
  ui.DragOnScore({350, 240}, {300, 195});  // corners in either order
  EXPECT_TRUE(SamePicture(ui.Score(), WithBlank(before, blank, region)));
  ExpectFloatingBlock(ui.Overlay()->Picture(), before, region);

  DragBlockTo(ui, {420, 600});
  ui.PressOnScore({600, 800});  // the next press stamps it and records nothing
  ui.ReleaseOnScore({600, 800});
  EXPECT_TRUE(SamePicture(ui.Score(), Carried(before, blank, region, {420, 600}, true)));
  EXPECT_EQ(HistoryPos(), 2);
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), before));
  EXPECT_EQ(HistoryPos(), 1);
}

TEST(RegionDelete, RemovesAKeySignatureAndRestoresTheClefStripsStaffLines) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  ui.ChooseIndex("ComboBox1", 3);  // three sharps
  ui.PressOnScore({10, 300});
  ui.ReleaseOnScore({10, 300});
  const QImage withKey = ui.Score().copy();
  const QRect region(QPoint(60, 280), QPoint(149, 509));
  ASSERT_FALSE(SamePicture(withKey.copy(region), blank.copy(region)));

  ui.Click("RBtnLM3");
  ui.DragOnScore({60, 280}, {150, 510});
  EXPECT_TRUE(SamePicture(ui.Score(), WithBlank(withKey, blank, region)));
  EXPECT_TRUE(ui.Overlay()->isHidden());
  EXPECT_EQ(HistoryPos(), 3);
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), withKey));
}

TEST(RegionGeometry, ASelectionAtZoom50OnAn800By1000Surface) {
  ScoreWindowHarness ui;
  ui.ScoreView()->SetPicture(NewBitmap(800, 1000, PixelFormat::Bits8));
  ZoomTo(ui, 50);
  ASSERT_EQ(ui.ScoreView()->size(), QSize(400, 500));
  ui.Click("RBtnLM5");
  ui.DragOnScore({50, 30}, {20, 10});  // surface (100, 60) to (40, 20)
  EXPECT_EQ(ui->GestureStart(), QPoint(40, 20));
  EXPECT_EQ(ui.Overlay()->Picture().size(), QSize(60, 40));
  EXPECT_EQ(ui.Overlay()->geometry().translated(-ui.ScoreView()->pos()), QRect(20, 10, 30, 20));
}

TEST(RegionMove, SwitchingToFreeDrawStampsTheFloatingBlockFirst) {
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  InkNoteHead(ui.Score(), {310, 210});
  const QImage before = ui.Score().copy();
  const QRect region(300, 200, 30, 20);
  ui.Click("RBtnLM4");
  ui.DragOnScore(region.topLeft(), region.topLeft() + QPoint(30, 20));
  DragBlockTo(ui, {400, 500});
  ui.Click("RBtnLM0");
  EXPECT_EQ(ui->CurrentTool(), ScoreTool::FreeDraw);
  EXPECT_TRUE(ui.Overlay()->isHidden());
  EXPECT_TRUE(SamePicture(ui.Score(), Carried(before, blank, region, {400, 500}, true)));
  ui.Click("Btn7");
  EXPECT_TRUE(SamePicture(ui.Score(), before));
}

TEST(RegionAtEveryZoom, ABlockDroppedWithoutBeingDraggedLandsOnItsOwnPlace) {
  // Below 100 percent the overlay's place is rounded to whole control pixels; the block must
  // still come down where it was lifted, not a few pixels up and left of it.
  for (const int zoom : {30, 50, 70, 100, 200}) {
    for (const char* tool : {"RBtnLM4", "RBtnLM5"}) {
      SCOPED_TRACE(testing::Message() << tool << " at " << zoom << "%");
      ScoreWindowHarness ui;
      InkArea(ui.Score(), QRect(302, 202, 11, 11));
      InkNoteHead(ui.Score(), {330, 215});
      const QImage before = ui.Score().copy();
      ZoomTo(ui, zoom);
      ui.Click(tool);
      // A selection around the ink whose corners do not fall on whole control pixels.
      ui.DragOnScore(QPoint(293, 197) * zoom / 100, QPoint(347, 233) * zoom / 100);
      ASSERT_TRUE(ui.Overlay()->isVisible());
      CommitByPanelClick(ui);
      EXPECT_TRUE(SamePicture(ui.Score(), before));
    }
  }
}

struct ZoomCase {
  const char* name;
  int zoom;
  QPoint selectFrom, selectTo;  // control pixels of the view
  QRect region;                 // surface pixels they select
  QRect overlay;                // where the block floats, control pixels
  QPoint dragTo;                // where it is dragged, control pixels
  QPoint dropAt;                // surface pixel its top-left lands on
};

// Worked out by hand from the view's size at each zoom (770 x 1101 times the percent).
const ZoomCase kZoomCases[] = {
    {"Zoom100",
     100,
     {300, 200},
     {360, 240},
     {300, 200, 60, 40},
     {300, 200, 60, 40},
     {400, 500},
     {400, 500}},
    {"Zoom200",
     200,
     {600, 400},
     {720, 480},
     {300, 200, 60, 40},
     {600, 400, 120, 80},
     {801, 1001},
     {400, 500}},
    {"Zoom300",
     300,
     {900, 600},
     {1080, 720},
     {300, 200, 60, 40},
     {900, 600, 180, 120},
     {1201, 1501},
     {400, 500}},
    {"Zoom50",
     50,
     {150, 100},
     {180, 120},
     {300, 200, 60, 40},
     {150, 99, 30, 19},
     {201, 251},
     {402, 502}},
    {"Zoom30",
     30,
     {90, 60},
     {108, 72},
     {300, 200, 60, 40},
     {90, 59, 18, 11},
     {120, 150},
     {400, 500}},
    // Dragged far past the corner the block stops inside the view.
    {"Zoom100_FarCorner",
     100,
     {300, 200},
     {360, 240},
     {300, 200, 60, 40},
     {300, 200, 60, 40},
     {2000, 2000},
     {710, 1061}},
    // At 30 percent the view's last pixels stand for more than the block's rounded size, so
    // the block reaches 3 pixels past the right and bottom: it is stamped clipped.
    {"Zoom30_ClippedAtTheCorner",
     30,
     {90, 60},
     {94, 64},
     {300, 200, 13, 13},
     {90, 59, 3, 3},
     {1000, 1000},
     {760, 1090}},
};

class RegionAtZoom : public ::testing::TestWithParam<std::tuple<ZoomCase, ScoreTool>> {};

TEST_P(RegionAtZoom, TheBlockFloatsAndLandsWhereTheZoomMapsIt) {
  const auto& [c, tool] = GetParam();
  ScoreWindowHarness ui;
  const QImage blank = BlankScore(ui.Window());
  InkArea(ui.Score(), QRect(302, 202, 11, 11));
  InkNoteHead(ui.Score(), {330, 215});
  const QImage before = ui.Score().copy();

  ZoomTo(ui, c.zoom);
  ui.Click(tool == ScoreTool::RegionMove ? "RBtnLM4" : "RBtnLM5");
  ui.DragOnScore(c.selectFrom, c.selectTo);
  ASSERT_TRUE(ui.Overlay()->isVisible());
  EXPECT_EQ(ui.Overlay()->Picture().size(), c.region.size());
  EXPECT_EQ(ui.Overlay()->geometry(), c.overlay);

  DragBlockTo(ui, c.dragTo);
  ui.PressOnScore({40, 40}, Qt::RightButton);
  EXPECT_EQ(ui.Score().size(), before.size());
  EXPECT_TRUE(SamePicture(
      ui.Score(), Carried(before, blank, c.region, c.dropAt, tool == ScoreTool::RegionMove)));
}

std::string ZoomCaseName(const ::testing::TestParamInfo<RegionAtZoom::ParamType>& info) {
  const ZoomCase& c = std::get<0>(info.param);
  return std::string(c.name) +
         (std::get<1>(info.param) == ScoreTool::RegionMove ? "_Move" : "_Copy");
}

INSTANTIATE_TEST_SUITE_P(Zooms, RegionAtZoom,
                         ::testing::Combine(::testing::ValuesIn(kZoomCases),
                                            ::testing::Values(ScoreTool::RegionMove,
                                                              ScoreTool::RegionCopy)),
                         ZoomCaseName);

}  // namespace
}  // namespace scoreink::test

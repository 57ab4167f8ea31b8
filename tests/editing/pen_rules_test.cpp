// What the pen tools leave on the score: limits, lines, ties, rubber bands and the eraser.
#include <gtest/gtest.h>

#include "editing/pen_rules.h"
#include "editing/tool_modes.h"
#include "editing_test_pictures.h"
#include "platform/raster/canvas.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

TEST(LeftLimitFor, FollowsThePenWidth) {
  const int expected[] = {26, 27, 27, 28, 28, 29, 29, 30, 30, 31};
  for (int width = 1; width <= 10; ++width)
    EXPECT_EQ(LeftLimitFor(width), expected[width - 1]) << "width " << width;
}

TEST(TiePoints, BothEndsOnTheReleaseRowControlPointsDBelowOrAbove) {
  using Points = std::array<QPoint, 4>;
  const struct {
    int x1, x2, y;
    LineVariant kind;
    Points expected;
  } cases[] = {
      {100, 190, 60, LineVariant::LowerArc, Points{{{100, 60}, {100, 80}, {190, 80}, {190, 60}}}},
      {100, 190, 60, LineVariant::UpperArc, Points{{{100, 60}, {100, 40}, {190, 40}, {190, 60}}}},
      {100, 140, 60, LineVariant::LowerArc, Points{{{100, 60}, {100, 70}, {140, 70}, {140, 60}}}},
      {100, 103, 60, LineVariant::LowerArc, Points{{{100, 60}, {100, 60}, {103, 60}, {103, 60}}}},
      {0, 80, 30, LineVariant::UpperArc, Points{{{0, 30}, {0, 10}, {80, 10}, {80, 30}}}},
      {0, 79, 30, LineVariant::UpperArc, Points{{{0, 30}, {0, 11}, {79, 11}, {79, 30}}}},
  };
  for (const auto& c : cases) {
    const auto points = TiePoints(c.x1, c.x2, c.y, c.kind);
    ASSERT_TRUE(points.has_value());
    EXPECT_EQ(*points, c.expected) << c.x1 << ".." << c.x2;
  }
}

TEST(TiePoints, NoTieUnlessReleasedRightOfThePress) {
  EXPECT_FALSE(TiePoints(100, 100, 60, LineVariant::LowerArc).has_value());
  EXPECT_FALSE(TiePoints(100, 40, 60, LineVariant::UpperArc).has_value());
}

class PenTest : public ::testing::Test {
 protected:
  QImage surface_ = NewBitmap(300, 200, PixelFormat::Bits8);
  Canvas canvas_{&surface_};
  bool Black(int x, int y) const { return surface_.pixelIndex(x, y) == kBlackIndex; }
  bool Blank() const { return surface_ == NewBitmap(300, 200, PixelFormat::Bits8); }
};

TEST_F(PenTest, TieIsOneCurveThroughItsPointsEndingThePenAtItsEnd) {
  PrepareGesturePen(canvas_, ScoreTool::Tie, 1, kBlack, {100, 80});
  DrawToolShape(canvas_, ScoreTool::Tie, LineVariant::LowerArc, {100, 80}, {190, 60},
                /*preview=*/false);
  EXPECT_TRUE(Black(100, 60));
  EXPECT_TRUE(Black(190, 60));
  EXPECT_TRUE(Black(145, 75) || Black(145, 74)) << "the middle lies 3d/4 below the ends";
  for (int x = 0; x < 300; ++x) {
    EXPECT_FALSE(Black(x, 59)) << "nothing above a lower arc";
    EXPECT_FALSE(Black(x, 76)) << "nothing below its middle";
  }
  EXPECT_EQ(canvas_.PenPos(), QPoint(190, 60));
}

TEST_F(PenTest, UpperTieBulgesUpward) {
  PrepareGesturePen(canvas_, ScoreTool::Tie, 1, kBlack, {100, 80});
  DrawTie(canvas_, 100, 190, 60, LineVariant::UpperArc);
  EXPECT_TRUE(Black(145, 45) || Black(145, 46));
  for (int x = 0; x < 300; ++x) {
    EXPECT_FALSE(Black(x, 61)) << "nothing below an upper arc";
    EXPECT_FALSE(Black(x, 44)) << "nothing above its middle";
  }
}

TEST_F(PenTest, TieReleasedLeftOfThePressDrawsNothing) {
  PrepareGesturePen(canvas_, ScoreTool::Tie, 2, kBlack, {100, 80});
  DrawToolShape(canvas_, ScoreTool::Tie, LineVariant::LowerArc, {100, 80}, {60, 60}, false);
  EXPECT_TRUE(Blank());
}

TEST_F(PenTest, VerticalLineRunsFromThePressDownTheReleaseRow) {
  PrepareGesturePen(canvas_, ScoreTool::Line, 1, kBlack, {50, 30});
  DrawToolShape(canvas_, ScoreTool::Line, LineVariant::Vertical, {50, 30}, {80, 90},
                /*preview=*/true);
  EXPECT_TRUE(Blank()) << "no feedback while dragging";
  DrawToolShape(canvas_, ScoreTool::Line, LineVariant::Vertical, {50, 30}, {80, 90}, false);
  for (int y = 30; y < 90; ++y) EXPECT_TRUE(Black(50, y)) << y;
  EXPECT_FALSE(Black(50, 90)) << "a one-pixel line leaves out its end";
  for (int y = 0; y < 200; ++y) EXPECT_FALSE(Black(80, y));
}

TEST_F(PenTest, HorizontalLineRunsAlongThePressRow) {
  PrepareGesturePen(canvas_, ScoreTool::Line, 1, kBlack, {50, 30});
  DrawToolShape(canvas_, ScoreTool::Line, LineVariant::Horizontal, {50, 30}, {80, 90}, false);
  for (int x = 50; x < 80; ++x) EXPECT_TRUE(Black(x, 30)) << x;
  for (int x = 0; x < 300; ++x) EXPECT_FALSE(Black(x, 90));
}

TEST_F(PenTest, RubberBandsVanishWhenDrawnAgain) {
  for (const ScoreTool tool :
       {ScoreTool::Line, ScoreTool::RegionDelete, ScoreTool::RegionMove, ScoreTool::RegionCopy}) {
    QImage before = surface_.copy();
    PrepareGesturePen(canvas_, tool, 3, kBlack, {40, 20});
    DrawToolShape(canvas_, tool, LineVariant::Free, {40, 20}, {120, 90}, true);
    EXPECT_NE(surface_, before) << "tool " << static_cast<int>(tool);
    DrawToolShape(canvas_, tool, LineVariant::Free, {40, 20}, {120, 90}, true);
    EXPECT_EQ(surface_, before) << "tool " << static_cast<int>(tool);
  }
}

TEST_F(PenTest, RegionRectangleIsHollowAndOnePixelWide) {
  PrepareGesturePen(canvas_, ScoreTool::RegionDelete, 5, kBlack, {120, 90});
  DrawToolShape(canvas_, ScoreTool::RegionDelete, LineVariant::Free, {120, 90}, {40, 20}, true);
  EXPECT_TRUE(Black(40, 20));
  EXPECT_TRUE(Black(40, 50));
  EXPECT_FALSE(Black(41, 50)) << "width 1 whatever the pen width";
  EXPECT_FALSE(Black(80, 50)) << "hollow";
}

TEST_F(PenTest, FreeDrawJoinsEverySampledPoint) {
  PrepareGesturePen(canvas_, ScoreTool::FreeDraw, 1, kBlack, {40, 40});
  DrawToolShape(canvas_, ScoreTool::FreeDraw, LineVariant::Free, {40, 40}, {40, 40}, true);
  DrawToolShape(canvas_, ScoreTool::FreeDraw, LineVariant::Free, {40, 40}, {60, 40}, true);
  DrawToolShape(canvas_, ScoreTool::FreeDraw, LineVariant::Free, {40, 40}, {60, 40}, true);
  DrawToolShape(canvas_, ScoreTool::FreeDraw, LineVariant::Free, {40, 40}, {60, 70}, true);
  DrawToolShape(canvas_, ScoreTool::FreeDraw, LineVariant::Free, {40, 40}, {60, 70}, false);
  EXPECT_TRUE(Black(50, 40));
  EXPECT_TRUE(Black(60, 55));
  EXPECT_EQ(canvas_.PenPos(), QPoint(60, 70));
}

TEST_F(PenTest, SymbolModeDrawsNothing) {
  PrepareGesturePen(canvas_, ScoreTool::Symbol, 2, kBlack, {40, 40});
  DrawToolShape(canvas_, ScoreTool::Symbol, LineVariant::Free, {40, 40}, {100, 100}, true);
  DrawToolShape(canvas_, ScoreTool::Symbol, LineVariant::Free, {40, 40}, {100, 100}, false);
  EXPECT_TRUE(Blank());
}

TEST(EraseRestoreRect, GrowsTheStrokeByHalfThePenAndOne) {
  // A straight white stroke from (40, 100) to (60, 120) with width 2.
  EraseBox box = EraseBox::At({40, 100});
  box.Include({50, 110});
  EXPECT_EQ(EraseRestoreRect(box, {60, 120}, 2, {770, 1101}), QRect(38, 98, 24, 24));
  // Width 7: m = 4.
  EXPECT_EQ(EraseRestoreRect(EraseBox::At({40, 100}), {40, 100}, 7, {770, 1101}),
            QRect(36, 96, 8, 8));
}

TEST(EraseRestoreRect, KeepsOnePixelOffTheLeftAndTopAndStopsAtWAndHLessOne) {
  EraseBox box = EraseBox::At({3, 0});
  box.Include({769, 1100});
  EXPECT_EQ(EraseRestoreRect(box, {400, 500}, 10, {770, 1101}), QRect(1, 1, 768, 1099));
}

TEST(RestoreEraseBox, PutsTheBlankStaffBackOnlyOnATemplateScore) {
  const BlankPage blank{{770, 1101}, test::PatternedTemplate()};
  QImage page;
  BuildBlankPage(page, blank);
  QImage surface = NewBitmap(770, 1101, PixelFormat::Bits8);  // a white-painted score
  const QImage photo = surface.copy();

  EXPECT_TRUE(
      RestoreEraseBox(surface, EraseBox::At({40, 100}), {60, 120}, 2, false, blank).isEmpty());
  EXPECT_EQ(surface, photo);

  const QRect repainted =
      RestoreEraseBox(surface, EraseBox::At({40, 100}), {60, 120}, 2, true, blank);
  EXPECT_EQ(repainted, QRect(38, 98, 24, 24));
  EXPECT_EQ(surface.copy(repainted), page.copy(repainted));
  EXPECT_EQ(surface.copy(0, 0, 770, 98), photo.copy(0, 0, 770, 98));
}

}  // namespace
}  // namespace scoreink

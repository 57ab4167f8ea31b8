// Mapping view points to surface pixels, rectangles by their edges, and where the floating
// overlay may go.
#include <gtest/gtest.h>

#include "editing/surface_rules.h"

namespace scoreink {
namespace {

TEST(ToBitmapPoint, MapsTheZoomedViewOntoSurfacePixelsTruncating) {
  const struct {
    QPoint control;
    QSize view;
    QSize bitmap;
    QPoint expected;
  } cases[] = {
      {{100, 50}, {770, 1101}, {770, 1101}, {100, 50}},    // 100 percent
      {{201, 101}, {1540, 2202}, {770, 1101}, {100, 50}},  // 200 percent
      {{99, 99}, {231, 330}, {770, 1101}, {330, 330}},     // 30 percent
      {{-1, -3}, {1540, 2202}, {770, 1101}, {0, -1}},      // toward zero, not down
      {{10, 10}, {0, 0}, {770, 1101}, {0, 0}},             // a view not laid out yet
  };
  for (const auto& c : cases) EXPECT_EQ(ToBitmapPoint(c.control, c.view, c.bitmap), c.expected);
}

TEST(NormalizeRect, OrdersTheCornersAndKeepsRightAndBottomExclusive) {
  const QRect r = NormalizeRect(62, 122, 38, 98);
  EXPECT_EQ(r.x(), 38);
  EXPECT_EQ(r.y(), 98);
  EXPECT_EQ(r.x() + r.width(), 62);
  EXPECT_EQ(r.y() + r.height(), 122);
  EXPECT_TRUE(NormalizeRect(5, 1, 5, 9).isEmpty());
  EXPECT_TRUE(NormalizeRect(1, 7, 9, 7).isEmpty());
  EXPECT_EQ(RectFromEdges(3, 4, 3, 10).width(), 0);
  EXPECT_TRUE(RectFromEdges(9, 4, 3, 10).isEmpty());
}

TEST(SymbolOverlayRect, CentresTheZoomedSymbolOnTheRelease) {
  EXPECT_EQ(SymbolOverlayRect({100, 50}, {0, 0}, {14, 10}, 100, 27), QRect(93, 45, 14, 10));
  EXPECT_EQ(SymbolOverlayRect({100, 50}, {0, 0}, {14, 10}, 200, 27), QRect(86, 40, 28, 20));
  EXPECT_EQ(SymbolOverlayRect({100, 50}, {0, 0}, {11, 25}, 30, 27), QRect(99, 47, 3, 7));
}

TEST(SymbolOverlayRect, RaisesOnlyTheLeftToTheLimitAndTheTopToZero) {
  EXPECT_EQ(SymbolOverlayRect({30, 2}, {0, 0}, {14, 10}, 100, 27), QRect(27, 0, 14, 10));
  // Right and bottom stay where the release puts them; the stamp clips instead.
  EXPECT_EQ(SymbolOverlayRect({768, 1100}, {0, 0}, {14, 10}, 100, 27), QRect(761, 1095, 14, 10));
}

TEST(OverlayDragPosition, FollowsThePointerInsideTheView) {
  const QRect view(0, 0, 770, 1101);
  EXPECT_EQ(OverlayDragPosition(QRect(100, 100, 14, 10), {10, 2}, view), QPoint(103, 97));
}

TEST(OverlayDragPosition, StopsTwentySixControlPixelsInFromTheLeft) {
  const QRect view(0, 0, 770, 1101);
  EXPECT_EQ(OverlayDragPosition(QRect(30, 100, 14, 10), {-500, 5}, view), QPoint(26, 100));
}

TEST(OverlayDragPosition, StopsAtTheRightBottomAndTop) {
  const QRect view(0, 0, 770, 1101);
  EXPECT_EQ(OverlayDragPosition(QRect(700, 1000, 28, 20), {900, 900}, view), QPoint(742, 1081));
  EXPECT_EQ(OverlayDragPosition(QRect(700, 10, 28, 20), {0, -300}, view), QPoint(686, 0));
}

TEST(OverlayDragPosition, TheLeftBoundWinsWhenTheViewIsNarrowerThanTheOverlay) {
  const QRect view(0, 0, 30, 30);
  EXPECT_EQ(OverlayDragPosition(QRect(26, 0, 28, 20), {14, 30}, view), QPoint(26, 10));
}

TEST(GesturePoints, DragSticksToTheLastColumnAndRowReleaseOnlyToTheLeftLimit) {
  const QSize surface(770, 1101);
  EXPECT_EQ(ClampGesturePoint({5, -4}, 27, surface), QPoint(27, 0));
  EXPECT_EQ(ClampGesturePoint({900, 1200}, 27, surface), QPoint(769, 1100));
  EXPECT_EQ(ClampGesturePoint({300, 400}, 27, surface), QPoint(300, 400));
  EXPECT_EQ(ClampReleasePoint({5, -4}, 27), QPoint(27, -4));
  EXPECT_EQ(ClampReleasePoint({900, 1200}, 27), QPoint(900, 1200));
}

}  // namespace
}  // namespace scoreink

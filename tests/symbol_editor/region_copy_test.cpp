// The region a selection in the import area copies, and the drawing made from it.
#include <gtest/gtest.h>

#include "harness/symbol_pictures.h"
#include "symbol_editor/core/region_copy.h"

namespace scoreink::test {
namespace {

struct SelectionCase {
  const char* what;
  QPoint press;
  QPoint release;
  QRect region;
};

TEST(SelectedRegion, SpansBothCornersAndIsCutTo30By30FromItsTopLeft) {
  const SelectionCase cases[] = {
      {"dragged up and left past 30", {40, 10}, {5, 50}, {5, 10, 30, 30}},
      {"10 x 5", {5, 10}, {15, 15}, {5, 10, 10, 5}},
      {"10 x 5 backwards", {15, 15}, {5, 10}, {5, 10, 10, 5}},
      {"wide and flat", {0, 0}, {100, 3}, {0, 0, 30, 3}},
      {"one pixel", {7, 7}, {8, 8}, {7, 7, 1, 1}},
      {"released left of the picture", {3, 3}, {-4, 9}, {-4, 3, 7, 6}},
      {"same x", {10, 10}, {10, 40}, {}},
      {"same y", {10, 10}, {40, 10}, {}},
      {"same point", {10, 10}, {10, 10}, {}},
  };
  for (const SelectionCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SelectedRegion(c.press, c.release), c.region);
  }
}

TEST(DrawingFromRegion, CopiesTheRegionToTheTopLeftOfAWhite30By30Drawing) {
  const QImage source = CoordinatePicture(60, 60);
  const QRect regions[] = {{5, 10, 30, 30}, {5, 10, 10, 5},  {50, 50, 30, 30},
                           {-5, 0, 10, 10}, {0, 59, 30, 30}, {70, 70, 10, 10}};
  for (const QRect& region : regions) {
    SCOPED_TRACE(testing::Message() << region.x() << "," << region.y() << " " << region.width()
                                    << "x" << region.height());
    const QImage drawing = DrawingFromRegion(source, region);
    EXPECT_EQ(drawing.format(), QImage::Format_RGB888);
    EXPECT_EQ(drawing, WhiteWithPart({30, 30}, source, region, {0, 0}));
  }
}

TEST(DrawingFromRegion, IsBlankWithoutAnImportOrARegion) {
  const QImage blank = NewBitmap(30, 30, PixelFormat::Bits24);
  EXPECT_EQ(DrawingFromRegion(QImage(), {0, 0, 10, 10}), blank);
  EXPECT_EQ(DrawingFromRegion(CoordinatePicture(40, 40), QRect()), blank);
}

}  // namespace
}  // namespace scoreink::test

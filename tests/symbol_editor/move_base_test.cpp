// Moving the drawing against its move base: the offset steps and bounds, and the shifted
// picture.
#include <gtest/gtest.h>

#include "platform/palette.h"
#include "symbol_editor/core/move_base.h"
#include "harness/symbol_pictures.h"

namespace scoreink::test {
namespace {

struct StepCase {
  const char* what;
  QPoint from;
  bool vertical;
  bool forward;
  QPoint to;
};

TEST(SteppedMoveOffset, StepsOnePixelAndStopsAtTheFrameSize) {
  const QSize size(30, 20);
  const StepCase cases[] = {
      {"up", {0, 0}, true, true, {0, -1}},
      {"down", {0, 0}, true, false, {0, 1}},
      {"right", {0, 0}, false, true, {1, 0}},
      {"left", {0, 0}, false, false, {-1, 0}},
      {"right stops at the width", {30, 4}, false, true, {30, 4}},
      {"left stops at minus the width", {-30, 0}, false, false, {-30, 0}},
      {"down stops at the height", {2, 20}, true, false, {2, 20}},
      {"up stops at minus the height", {0, -20}, true, true, {0, -20}},
      {"back from the bound", {30, 0}, false, false, {29, 0}},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SteppedMoveOffset(c.from, c.vertical, c.forward, size), c.to);
  }
}

TEST(ShiftedFromBase, PutsTheBaseAtItsOffsetAndLeavesTheUncoveredStripWhite) {
  const QImage base = CoordinatePicture(30, 20);
  const QPoint offsets[] = {{0, 0}, {3, 0}, {-2, 1}, {0, -19}, {29, 19}, {30, 0}, {0, -20}};
  for (const QPoint& offset : offsets) {
    SCOPED_TRACE(testing::Message() << offset.x() << "," << offset.y());
    const QImage shifted = ShiftedFromBase(base, offset);
    EXPECT_EQ(shifted, WhiteWithPart(base.size(), base, base.rect(), offset));
  }
}

TEST(ShiftedFromBase, KeepsAFourBitBaseFourBitAndTurnsOtherFormatsTo24Bits) {
  QImage fourBit = NewBitmap(10, 10, PixelFormat::Bits4);
  fourBit.setPixel(0, 0, kBlackIndex);
  const QImage shifted = ShiftedFromBase(fourBit, {1, 1});
  EXPECT_EQ(PixelFormatOf(shifted), PixelFormat::Bits4);
  EXPECT_EQ(PixelColor(shifted, 1, 1), kBlack);
  EXPECT_EQ(PixelColor(shifted, 0, 0), kWhite);

  QImage rgb32(10, 10, QImage::Format_RGB32);
  rgb32.fill(Qt::white);
  rgb32.setPixel(5, 5, kBlack);
  const QImage moved = ShiftedFromBase(rgb32, {-5, 0});
  EXPECT_EQ(moved.format(), QImage::Format_RGB888);
  EXPECT_EQ(PixelColor(moved, 0, 5), kBlack);
  EXPECT_TRUE(ShiftedFromBase(QImage(), {1, 0}).isNull());
}

}  // namespace
}  // namespace scoreink::test

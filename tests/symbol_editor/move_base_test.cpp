// The drawing shifted against its move base (the window tests step and bound the offsets).
#include <gtest/gtest.h>

#include "harness/symbol_pictures.h"
#include "symbol_editor/core/move_base.h"

namespace scoreink::test {
namespace {

TEST(ShiftedFromBase, PutsTheBaseAtItsOffsetAndLeavesTheUncoveredStripWhite) {
  const QImage base = CoordinatePicture(30, 20);
  const QPoint offsets[] = {{0, 0}, {3, 0}, {-2, 1}, {0, -19}, {29, 19}, {30, 0}, {0, -20}};
  for (const QPoint& offset : offsets) {
    SCOPED_TRACE(testing::Message() << offset.x() << "," << offset.y());
    const QImage shifted = ShiftedFromBase(base, offset);
    EXPECT_EQ(shifted, WhiteWithPart(base.size(), base, base.rect(), offset));
  }
}

}  // namespace
}  // namespace scoreink::test

// Heads dropped near their place on whole pages, engraved, bent and scanned to one bit: found
// staves take every one of them to the place it was drawn at, in the last bar and on ledger
// places too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "editing/staff/staff_detection.h"
#include "editing/staff/staff_snap.h"
#include "harness/staff_pictures.h"

namespace scoreink {
namespace {

using test::StaffPageRecipe;

struct PageCase {
  const char* name;
  StaffPageRecipe recipe;
};
class HeadsOnPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(HeadsOnPages, SnapOntoThePlaceTheyWereDrawnAt) {
  const StaffPageRecipe& recipe = GetParam().recipe;
  const test::StaffPage page = test::DrawStaffPage(recipe);
  const StaffGeometry found = FindStaves(page.picture);
  ASSERT_EQ(found.staves.size(), page.staves.size());
  ASSERT_FALSE(page.heads.empty());

  const double half = recipe.space / 2;
  const double tolerance = std::max(1, recipe.thickness);
  int wrong = 0;
  for (const test::DrawnHead& head : page.heads) {
    // Dropped off the place by a third of the way to the next one, either side; a head drawn
    // with its ledger line, over a third of the way to the next line.
    for (const double off : {-0.33 * half, 0.33 * half}) {
      const std::optional<double> row = SnapToStaff(found, head.x, head.y + off);
      if (!row || std::abs(*row - head.y) > tolerance) {
        ++wrong;
        ADD_FAILURE() << "staff " << head.staff << " place " << head.place << " at column "
                      << head.x << ": " << (row ? *row : -1) << " for " << head.y;
      }
    }
    if (head.place % 2 == 0) {
      const double towardTheStaff = head.place > 4 ? -0.7 * half : 0.7 * half;
      const std::optional<double> row =
          SnapToStaff(found, head.x, head.y + towardTheStaff, StaffPlaces::Lines);
      ASSERT_TRUE(row) << "place " << head.place;
      EXPECT_LE(std::abs(*row - head.y), tolerance) << "place " << head.place;
    }
  }
  EXPECT_EQ(wrong, 0) << "of " << 2 * page.heads.size();
}

INSTANTIATE_TEST_SUITE_P(Pages, HeadsOnPages,
                         ::testing::Values(PageCase{"EngravedAt600Dpi",
                                                    {.space = 41,
                                                     .thickness = 4,
                                                     .skewDegrees = 0.4,
                                                     .paper = 245,
                                                     .noise = 5,
                                                     .crossings = true,
                                                     .unevenSystems = true,
                                                     .ledgerHeads = true}},
                                           PageCase{"PhotoOfAnOpenBook",
                                                    {.space = 20,
                                                     .thickness = 2,
                                                     .skewDegrees = -0.7,
                                                     .paper = 215,
                                                     .noise = 10,
                                                     .jpeg = true,
                                                     .bend = 1.5,
                                                     .blur = 1,
                                                     .ledgerHeads = true}},
                                           PageCase{"OneBitLibraryScan",
                                                    {.space = 16,
                                                     .thickness = 1,
                                                     .skewDegrees = 0.3,
                                                     .oneBit = true,
                                                     .crossings = true,
                                                     .ledgerHeads = true}}),
                         [](const auto& tc) { return std::string(tc.param.name); });

}  // namespace
}  // namespace scoreink

// Finding the staves of a score picture: the staff space and every line of every staff on
// pages drawn at many sizes, with grey paper, noise, JPEG artefacts, skew and text; nothing on
// pages that have no staff.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "editing/blank_page.h"
#include "editing/staff/staff_detection.h"
#include "harness/staff_pictures.h"
#include "resources/embedded_pictures.h"

namespace scoreink {
namespace {

using test::DrawStaffPage;
using test::StaffPageRecipe;

class StaffDetection : public ::testing::TestWithParam<StaffPageRecipe> {};

TEST_P(StaffDetection, FindsTheSpaceAndEveryLineOfEveryStaff) {
  const StaffPageRecipe& recipe = GetParam();
  const test::StaffPage page = DrawStaffPage(recipe);
  const StaffGeometry found = FindStaves(page.picture);

  ASSERT_EQ(found.staves.size(), page.staves.size());
  const double spaceError = std::abs(found.staffSpace - recipe.space) / recipe.space;
  EXPECT_LE(spaceError, 0.03) << "found " << found.staffSpace;
  const double tolerance = std::max(1, recipe.thickness);
  double worst = 0;
  for (size_t n = 0; n < page.staves.size(); ++n) {
    const test::DrawnStaff& drawn = page.staves[n];
    for (const int x : {drawn.left, (drawn.left + drawn.right) / 2, drawn.right}) {
      for (int k = 0; k < 5; ++k) {
        const double off = std::abs(found.staves[n].LineY(k, x) - drawn.LineY(k, x));
        worst = std::max(worst, off);
        EXPECT_LE(off, tolerance) << "staff " << n << " line " << k << " at column " << x;
      }
    }
  }
  std::printf(
      "[ figures  ] space %.1f thickness %d: found %.2f (%.2f %%), thickness %.0f, "
      "worst line %.2f px\n",
      recipe.space, recipe.thickness, found.staffSpace, 100 * spaceError, found.lineThickness,
      worst);
}

// space, thickness, skew, paper, noise, jpeg, text
INSTANTIATE_TEST_SUITE_P(Pages, StaffDetection,
                         ::testing::Values(StaffPageRecipe{8, 1, 0, 255, 0, false, false},
                                           StaffPageRecipe{8, 2, 0.6, 225, 10, true, false},
                                           StaffPageRecipe{10, 3, -1, 255, 8, false, true},
                                           StaffPageRecipe{16.4, 2, 1, 205, 15, true, true},
                                           StaffPageRecipe{20.5, 3, -0.5, 230, 12, true, false},
                                           StaffPageRecipe{24, 6, 0.8, 255, 0, false, false},
                                           StaffPageRecipe{33, 4, -1, 215, 18, false, true},
                                           StaffPageRecipe{41, 4, 0.7, 235, 10, true, true},
                                           StaffPageRecipe{60, 1, 0.3, 255, 6, false, false},
                                           StaffPageRecipe{60, 6, -1, 210, 15, true, true}),
                         [](const auto& tc) {
                           const StaffPageRecipe& s = tc.param;
                           return "Space" + std::to_string(int(s.space * 10)) + "Thick" +
                                  std::to_string(s.thickness) +
                                  (s.skewDegrees != 0 ? "Skewed" : "") + (s.jpeg ? "Jpeg" : "") +
                                  (s.text ? "Text" : "");
                         });

TEST(StaffDetection, TheBlankPageHasItsOwnSpaceExactly) {
  QImage page;
  BuildBlankPage(page, BlankPage{{770, 1101}, ScoreTemplateImage()});
  const StaffGeometry found = FindStaves(page);
  ASSERT_EQ(found.staves.size(), 8u) << "four grand staves";
  EXPECT_NEAR(found.staffSpace, kBlankPageStaffSpace, 0.05);
  EXPECT_EQ(found.lineThickness, 2);
  EXPECT_NEAR(found.staves[0].LineY(0, 400), 57.5, 0.25);
  EXPECT_NEAR(found.staves[1].LineY(4, 400), 234.5, 0.25);

  // The same page printed and scanned at 600 dpi: smooth grey edges, 24 bits.
  const QImage scanned =
      page.scaled(page.size() * 3.28, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB888);
  const StaffGeometry large = FindStaves(scanned);
  EXPECT_EQ(large.staves.size(), 8u);
  EXPECT_NEAR(large.staffSpace, 3.28 * kBlankPageStaffSpace, 0.03 * 41);
}

class StafflessPages : public ::testing::TestWithParam<test::StafflessPage> {};

TEST_P(StafflessPages, GiveNoStaff) {
  const StaffGeometry found = FindStaves(test::DrawStafflessPage(GetParam()));
  EXPECT_FALSE(found.Found()) << found.staves.size() << " staves at space " << found.staffSpace;
}

INSTANTIATE_TEST_SUITE_P(Pages, StafflessPages,
                         ::testing::Values(test::StafflessPage::Blank,
                                           test::StafflessPage::GreyNoise,
                                           test::StafflessPage::Text, test::StafflessPage::Photo));

}  // namespace
}  // namespace scoreink

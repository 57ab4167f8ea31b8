// Finding the staves of a score picture: the staff space and every line of every staff from end
// to end on pages drawn at many sizes, with grey paper, noise, JPEG artefacts, skew, text, a
// bend, blur, broken 1-bit lines and marks across the lines; nothing on pages that have no staff
// (ruled paper, tables, grids, one-line and six-line staves among them); the heads drawn on
// the pages snap back onto their places.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "editing/blank_page.h"
#include "editing/staff/staff_detection.h"
#include "editing/staff/staff_snap.h"
#include "harness/staff_pictures.h"
#include "resources/embedded_pictures.h"

namespace scoreink {
namespace {

using test::DrawStaffPage;
using test::StaffPageRecipe;

struct StaffPageCase {
  const char* name;
  StaffPageRecipe recipe;
};

class StaffDetection : public ::testing::TestWithParam<StaffPageCase> {};

// Every staff from end to end: both ends within a space, every line within a line thickness
// of the drawn one all along, ends included; and the heads drawn on it snap back onto their
// places.
TEST_P(StaffDetection, FindsTheSpaceAndEveryLineOfEveryStaff) {
  const StaffPageRecipe& recipe = GetParam().recipe;
  const test::StaffPage page = DrawStaffPage(recipe);
  const StaffGeometry found = FindStaves(page.picture);

  ASSERT_EQ(found.staves.size(), page.staves.size());
  const double spaceError = std::abs(found.staffSpace - recipe.space) / recipe.space;
  EXPECT_LE(spaceError, 0.03) << "found " << found.staffSpace;
  const double tolerance = std::max(1, recipe.thickness);
  double worst = 0;
  double worstEnd = 0;
  for (size_t n = 0; n < page.staves.size(); ++n) {
    const test::DrawnStaff& drawn = page.staves[n];
    const Staff& staff = found.staves[n];
    for (const double end : {double(staff.left - drawn.left), double(staff.right - drawn.right)}) {
      worstEnd = std::max(worstEnd, std::abs(end));
      EXPECT_LE(std::abs(end), recipe.space) << "staff " << n << " ends " << end << " px off";
    }
    for (double x = drawn.left; x <= drawn.right;
         x += std::min(x + 8 < drawn.right ? 8.0 : 1.0, recipe.space)) {
      for (int k = 0; k < 5; ++k) {
        const double off = std::abs(staff.LineY(k, x) - drawn.LineY(k, x));
        worst = std::max(worst, off);
        EXPECT_LE(off, tolerance) << "staff " << n << " line " << k << " at column " << x;
      }
    }
  }
  // Every head drawn, dropped a third of the way to the next place either side, snaps onto its
  // own place, in the last bar and on ledger places too; one drawn with its ledger line, over
  // a third of the way to the next line, onto its line.
  const double half = recipe.space / 2;
  for (const test::DrawnHead& head : page.heads) {
    for (const double off : {-0.33 * half, 0.33 * half}) {
      const std::optional<double> row = SnapToStaff(found, head.x, head.y + off);
      EXPECT_TRUE(row && std::abs(*row - head.y) <= tolerance)
          << "staff " << head.staff << " place " << head.place << " at column " << head.x << ": "
          << (row ? *row : -1) << " for " << head.y;
    }
    if (head.place % 2 != 0) continue;
    const double towardTheStaff = head.place > 4 ? -0.7 * half : 0.7 * half;
    const std::optional<double> row =
        SnapToStaff(found, head.x, head.y + towardTheStaff, StaffPlaces::Lines);
    EXPECT_TRUE(row && std::abs(*row - head.y) <= tolerance) << "place " << head.place;
  }
  std::printf(
      "[ figures  ] space %.1f thickness %d: found %.2f (%.2f %%), thickness %.0f, "
      "worst line %.2f px, worst end %.0f px\n",
      recipe.space, recipe.thickness, found.staffSpace, 100 * spaceError, found.lineThickness,
      worst, worstEnd);
}

// space, thickness, skew, paper, noise, jpeg, text, ink, bend, blur, 1 bit, crossings, uneven
// systems, ledger heads, tablature
INSTANTIATE_TEST_SUITE_P(
    Pages, StaffDetection,
    ::testing::Values(
        StaffPageCase{"Space8Thin", {8, 1, 0, 255, 0, false, false}},
        StaffPageCase{"Space8SkewedJpeg", {8, 2, 0.6, 225, 10, true, false}},
        StaffPageCase{"Space10SkewedText", {10, 3, -1, 255, 8, false, true}},
        StaffPageCase{"Space16SkewedJpegText", {16.4, 2, 1, 205, 15, true, true}},
        StaffPageCase{"Space20SkewedJpeg", {20.5, 3, -0.5, 230, 12, true, false}},
        StaffPageCase{"Space24Thick", {24, 6, 0.8, 255, 0, false, false}},
        StaffPageCase{"Space33SkewedText", {33, 4, -1, 215, 18, false, true}},
        StaffPageCase{"Space41SkewedJpegText", {41, 4, 0.7, 235, 10, true, true}},
        StaffPageCase{"Space60Thin", {60, 1, 0.3, 255, 6, false, false}},
        StaffPageCase{"Space60ThickJpegText", {60, 6, -1, 210, 15, true, true}},
        StaffPageCase{"EngravedLedgers",
                      {25, 3, 0, 255, 0, false, false, 0, 0, 0, false, false, false, true}},
        StaffPageCase{"BentCrossedUneven",
                      {16, 2, 0, 250, 4, false, false, 0, 2.5, 0, false, true, true, true}},
        StaffPageCase{"SpineBlurredJpeg",
                      {20, 2, 0.4, 235, 6, true, true, 0, -3, 1, false, true, false, true}},
        StaffPageCase{"OneBitBrokenBent",
                      {12, 2, 0, 255, 20, false, false, 0, 2, 0, true, true, true, true}},
        StaffPageCase{
            "AmongTablature",
            {20, 2, 0.3, 245, 6, false, false, 0, 0, 0, false, false, false, false, true}},
        StaffPageCase{"PhonePhoto600Dpi",
                      {41, 4, 0.3, 225, 8, true, false, 0, 3, 2, false, true, true, true}},
        StaffPageCase{"EngravedAt600Dpi",
                      {.space = 41,
                       .thickness = 4,
                       .skewDegrees = 0.4,
                       .paper = 245,
                       .noise = 5,
                       .crossings = true,
                       .unevenSystems = true,
                       .ledgerHeads = true}},
        StaffPageCase{"PhotoOfAnOpenBook",
                      {.space = 20,
                       .thickness = 2,
                       .skewDegrees = -0.7,
                       .paper = 215,
                       .noise = 10,
                       .jpeg = true,
                       .bend = 1.5,
                       .blur = 1,
                       .ledgerHeads = true}},
        StaffPageCase{"OneBitLibraryScan",
                      {.space = 16,
                       .thickness = 1,
                       .skewDegrees = 0.3,
                       .oneBit = true,
                       .crossings = true,
                       .ledgerHeads = true}},
        // Thin lines blurred to a light grey beside black heads, on a steep, bent page.
        StaffPageCase{
            "SoftPhotoFaintLines",
            {14, 2, -1.5, 250, 5, true, false, 0, 2, 1, false, true, false, true, false, 120}}),
    [](const auto& tc) { return std::string(tc.param.name); });

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

INSTANTIATE_TEST_SUITE_P(
    Pages, StafflessPages,
    ::testing::Values(test::StafflessPage::Blank, test::StafflessPage::GreyNoise,
                      test::StafflessPage::Text, test::StafflessPage::Photo,
                      test::StafflessPage::RuledPaper, test::StafflessPage::Table,
                      test::StafflessPage::ShortTables, test::StafflessPage::Grid,
                      test::StafflessPage::SingleLineStaff, test::StafflessPage::TablatureStaff));

}  // namespace
}  // namespace scoreink

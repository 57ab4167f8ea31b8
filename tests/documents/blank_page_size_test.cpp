// The blank page's size: an A4 sheet at screen resolution less the printer's margins, or
// fixed pixels when there is no printer.
#include <gtest/gtest.h>

#include "editing/blank_page.h"
#include "harness/case_names.h"

namespace scoreink {
namespace {

TEST(MillimetresToPixels, DividesByTheLongStandingDivisorRoundingToNearest) {
  EXPECT_EQ(MillimetresToPixels(210, 96), 794);
  EXPECT_EQ(MillimetresToPixels(297, 96), 1123);
  EXPECT_EQ(MillimetresToPixels(210, 120), 992);
  EXPECT_EQ(MillimetresToPixels(297, 600), 7016);
  EXPECT_EQ(MillimetresToPixels(0, 96), 0);
  // 254800 / 25.39999 = 10031.5000124 rounds up; 254800 / 25.4 would be 10031.4961.
  EXPECT_EQ(MillimetresToPixels(200, 1274), 10032);
  EXPECT_EQ(MillimetresToPixels(229, 1111), 10017);
}

struct SizeCase {
  const char* name;
  DeviceFacts facts;
  QSize expected;
};

class BlankPageSizeFor : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BlankPageSizeFor, ScreenAndPrinter) {
  EXPECT_EQ(BlankPageSize(GetParam().facts), GetParam().expected) << GetParam().name;
}

DeviceFacts Facts(int sx, int sy, bool printer, int px, int py, int ox, int oy) {
  DeviceFacts f;
  f.screen.dpiX = sx;
  f.screen.dpiY = sy;
  f.printer = {printer, px, py, ox, oy};
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, BlankPageSizeFor,
    ::testing::Values(
        SizeCase{"96 dpi, no printer", Facts(96, 96, false, 0, 0, 0, 0), {770, 1101}},
        SizeCase{"96 dpi, 600 dpi printer, offsets 100",
                 Facts(96, 96, true, 600, 600, 100, 100),
                 {762, 1091}},
        SizeCase{"120 dpi, no printer", Facts(120, 120, false, 0, 0, 0, 0), {770, 1101}},
        SizeCase{"120 dpi, 600 dpi printer, no margins",
                 Facts(120, 120, true, 600, 600, 0, 0),
                 {992, 1403}},
        SizeCase{
            "printer without a resolution", Facts(96, 96, true, 0, 600, 100, 100), {770, 1101}},
        SizeCase{
            "screen without a resolution", Facts(0, 96, true, 600, 600, 100, 100), {770, 1101}},
        SizeCase{
            "margins wider than the sheet", Facts(96, 96, true, 600, 600, 3000, 100), {770, 1101}}),
    [](const auto& tc) { return scoreink::test::CaseName(tc.param.name); });

}  // namespace
}  // namespace scoreink

// The preview size of the image import dialog and the arithmetic of its threshold knob.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/core/fit_size.h"
#include "dialogs/core/threshold_knob.h"

namespace scoreink {
namespace {

struct FitCase {
  int w, h;
  QSize expected;
};
class PreviewSize : public ::testing::TestWithParam<FitCase> {};

TEST_P(PreviewSize, FitsTheBoxOfSeventyByHundredFiveInOnePercentSteps) {
  const FitCase& c = GetParam();
  EXPECT_EQ(FitSize(c.w, c.h, 70, 105), c.expected) << c.w << " x " << c.h;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PreviewSize,
    ::testing::Values(
        // Same proportions as the box, larger or smaller: the box.
        FitCase{140, 210, {70, 105}}, FitCase{2, 3, {70, 105}},
        // Shrinking.
        FitCase{300, 200, {69, 46}}, FitCase{640, 480, {70, 52}}, FitCase{1000, 1000, {70, 70}},
        FitCase{4960, 7016, {49, 70}}, FitCase{71, 10, {70, 9}},
        // Growing, then lowered to the box.
        FitCase{30, 20, {70, 46}}, FitCase{35, 60, {61, 105}}, FitCase{1, 1, {70, 70}},
        // Already touching the box on one side.
        FitCase{70, 50, {70, 50}}, FitCase{10, 105, {10, 105}},
        // Over a hundred times too long: a side never shrinks to nothing.
        FitCase{7000, 10, {70, 1}}, FitCase{10, 20000, {1, 1}}),
    [](const auto& tc) {
      return "Picture" + std::to_string(tc.param.w) + "x" + std::to_string(tc.param.h);
    });

TEST(PreviewSize, NoPictureGivesTheBox) {
  EXPECT_EQ(FitSize(0, 10, 70, 105), QSize(70, 105));
  EXPECT_EQ(FitSize(10, -1, 70, 105), QSize(70, 105));
}

constexpr KnobTrack kTrack{112, 140, 20};

TEST(ThresholdKnob, ValuesPlaceTheKnobAlongTheTrack) {
  const struct {
    int value, left;
  } cases[] = {{0, 112}, {60, 140}, {128, 172}, {254, 231}, {255, 232}};
  for (const auto& c : cases) EXPECT_EQ(KnobLeftFor(c.value, kTrack), c.left) << c.value;
}

TEST(ThresholdKnob, DraggingCentresTheKnobOnTheMouseAndReadsTheValueBack) {
  const struct {
    const char* name;
    int knobLeft, x;
    KnobPosition expected;
  } cases[] = {
      {"StillAt60", 140, 10, {140, 59}},  // the value comes back from the position
      {"Right", 140, 30, {160, 102}},         {"PastTheRightEnd", 200, 200, {232, 255}},
      {"PastTheLeftEnd", 120, -50, {112, 0}}, {"AtTheLeftEnd", 112, 10, {112, 0}},
      {"OnePixelLeft", 140, 9, {139, 57}},
  };
  for (const auto& c : cases) {
    const KnobPosition p = DragKnob(c.knobLeft, c.x, kTrack);
    EXPECT_EQ(p.left, c.expected.left) << c.name;
    EXPECT_EQ(p.value, c.expected.value) << c.name;
  }
}

}  // namespace
}  // namespace scoreink

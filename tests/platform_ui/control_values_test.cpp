// The number stepping of the labels that hold a setting (pen widths, zoom percents).
#include "platform/ui/control_values.h"

#include <gtest/gtest.h>

namespace scoreink {
namespace {

TEST(IsAllDigitsTest, Table) {
  const std::pair<const char*, bool> cases[] = {
      {"", false},   {"007", true}, {"0", true},    {"2a", false},
      {"-1", false}, {" 1", false}, {"1.5", false}, {"１", false} /* full-width digit */};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(IsAllDigits(QString::fromUtf8(text)), expected) << text;
  }
}

TEST(StepNumberTextTest, Table) {
  struct Case {
    const char* text;
    bool up;
    int step, minimum, maximum;
    const char* expected;
  };
  const Case cases[] = {
      {"", true, 1, 1, 10, "0"},
      {"2a", true, 1, 1, 10, "0"},
      {"3", true, 1, 1, 3, "3"},
      {"1", false, 1, 1, 30, "1"},
      {"2", true, 1, 1, 10, "3"},
      {"2", false, 1, 1, 10, "1"},
      {"700", true, 100, 100, 800, "800"},
      {"800", true, 100, 100, 800, "800"},
      {"007", true, 1, 1, 10, "8"},
      {"5", true, 1, 8, 6, "6"} /* maximum wins */,
      {"99999999999999999999999", true, 1, 1, 10, "10"} /* too long for an integer */,
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepNumberText(c.text, c.up, c.step, c.minimum, c.maximum), c.expected)
        << c.text << (c.up ? " up" : " down");
  }
}

}  // namespace
}  // namespace scoreink

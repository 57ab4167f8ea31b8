// The two-colour split of the import: which pixels end up black, whatever the picture's
// format, with the rounding of the greys and the exchange of the colours.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/core/black_white.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

// A picture of one row: the given colours, each repeated as often as asked.
QImage Row(const std::vector<std::pair<QRgb, int>>& runs) {
  int w = 0;
  for (const auto& run : runs) w += run.second;
  QImage picture(w, 1, QImage::Format_RGB888);
  int x = 0;
  for (const auto& [colour, count] : runs)
    for (int i = 0; i < count; ++i) picture.setPixel(x++, 0, colour);
  return picture;
}

// The result as text: "#" for black, "." for white, "?" for anything else.
std::string Pattern(const QImage& result) {
  std::string text;
  for (int y = 0; y < result.height(); ++y)
    for (int x = 0; x < result.width(); ++x) {
      const QRgb c = result.pixel(x, y) & 0xFFFFFFu;
      text += c == 0 ? '#' : c == 0xFFFFFFu ? '.' : '?';
    }
  return text;
}

std::string Split(const QImage& picture, int threshold) {
  const QImage result = MakeBlackWhite(picture, kWhite, kBlack, threshold);
  EXPECT_EQ(result.format(), QImage::Format_RGB888);
  EXPECT_EQ(result.size(), picture.size());
  return Pattern(result);
}

TEST(GreyLevel, WeighsBlueGreenAndRedAndRoundsHalvesToEven) {
  const struct {
    int r, g, b, grey;
  } cases[] = {
      {0, 0, 0, 0},      {255, 255, 255, 255}, {255, 0, 0, 76},
      {0, 255, 0, 150},  {0, 0, 255, 29},      {100, 100, 100, 100},
      {32, 32, 64, 36},  {0, 80, 110, 59},  // 59.4999... in floating point
      {0, 0, 125, 14},                      // 14.25
      {250, 0, 250, 103}                    // 103.25
  };
  for (const auto& c : cases)
    EXPECT_EQ(GreyLevel(c.r, c.g, c.b), c.grey) << c.r << "," << c.g << "," << c.b;
}

TEST(BlackWhite, ThresholdDecidesWhichGreysJoinTheDarkest) {
  // 1 black, 2 at grey 30, 3 at grey 60, 10 white paper pixels.
  const QImage picture = Row({{qRgb(0, 0, 0), 1},
                              {qRgb(30, 30, 30), 2},
                              {qRgb(60, 60, 60), 3},
                              {qRgb(255, 255, 255), 10}});
  const struct {
    int threshold;
    std::string expected;
  } cases[] = {
      {0, "#..............."},  // only exactly the darkest grey
      {29, "#..............."},
      {30, "###............."},
      {59, "###............."},
      {60, "######.........."},
      {254, "######.........."},
      {255, "................"},  // everything is within reach of the darkest: all white
  };
  for (const auto& c : cases) EXPECT_EQ(Split(picture, c.threshold), c.expected) << c.threshold;
}

TEST(BlackWhite, TheSmallerClassIsBlackWhicheverWayRoundTheDrawingIs) {
  const struct {
    const char* name;
    QImage picture;
    std::string expected;
  } cases[] = {
      {"DarkOnLight",
       Row({{qRgb(255, 255, 255), 5}, {qRgb(20, 20, 20), 2}, {qRgb(250, 250, 250), 3}}),
       ".....##..."},
      {"LightOnDark", Row({{qRgb(10, 10, 10), 5}, {qRgb(240, 240, 240), 2}, {qRgb(0, 0, 0), 3}}),
       ".....##..."},
      {"EqualClassesLeaveTheDarkClassWhite", Row({{qRgb(0, 0, 0), 4}, {qRgb(200, 200, 200), 4}}),
       "....####"},
      {"UniformIsAllWhite", Row({{qRgb(90, 20, 200), 9}}), "........."},
      {"UniformBlackIsAllWhite", Row({{qRgb(0, 0, 0), 3}}), "..."},
  };
  for (const auto& c : cases) EXPECT_EQ(Split(c.picture, 60), c.expected) << c.name;
}

TEST(BlackWhite, TheClassesAreCountedOverEveryRowNotOnlyTheOnesSampled) {
  // Rows 0 and 16 are the only ones that a sample of every sixteenth row sees, and they are
  // unlike all the others: the first guess of the larger class is wrong both ways round.
  for (const bool sampledRowsDark : {true, false}) {
    SCOPED_TRACE(sampledRowsDark ? "dark sampled rows" : "light sampled rows");
    const QRgb odd = sampledRowsDark ? qRgb(0, 0, 0) : kWhite;
    const QRgb rest = sampledRowsDark ? kWhite : qRgb(0, 0, 0);
    QImage picture(40, 32, QImage::Format_RGB888);
    picture.fill(rest);
    for (int x = 0; x < 40; ++x) {
      picture.setPixel(x, 0, odd);
      picture.setPixel(x, 16, odd);
    }
    const QImage result = MakeBlackWhite(picture, kWhite, kBlack, 60);
    for (int y = 0; y < 32; ++y)
      ASSERT_EQ(result.pixel(7, y), y % 16 == 0 ? kBlack : kWhite) << "the few rows are black";
  }
}

TEST(BlackWhite, HalfwayGreysRoundAsTheFloatingPointSumDoes) {
  // (0, 80, 110) is 59.5 exactly, 59.4999... in floating point: grey 59. With black as the
  // darkest, threshold 59 takes it into the dark class and 58 does not.
  const QImage picture = Row({{qRgb(0, 0, 0), 1}, {qRgb(0, 80, 110), 1}, {kWhite, 5}});
  EXPECT_EQ(Split(picture, 59), "##.....");
  EXPECT_EQ(Split(picture, 58), "#......");
}

TEST(BlackWhite, EveryFormatGivesTheSameSplit) {
  QImage rgb = Row({{kWhite, 6}, {qRgb(0, 0, 0), 2}, {kTemplateInk, 2}, {qRgb(128, 128, 128), 3}});
  const std::string expected = Split(rgb, 60);
  EXPECT_EQ(expected, "......####...");
  EXPECT_EQ(Split(ConvertedTo(rgb, PixelFormat::Bits8), 60), expected);
  EXPECT_EQ(Split(rgb.convertToFormat(QImage::Format_RGB32), 60), expected);
  EXPECT_EQ(Split(rgb.convertToFormat(QImage::Format_Grayscale8), 60), expected);
}

TEST(BlackWhite, TheNearAndFarColoursAreThoseAskedFor) {
  const QImage picture = Row({{kWhite, 3}, {qRgb(0, 0, 0), 1}});
  const QImage result = MakeBlackWhite(picture, qRgb(1, 2, 3), qRgb(200, 100, 50), 60);
  EXPECT_EQ(result.pixel(0, 0), qRgb(1, 2, 3));
  EXPECT_EQ(result.pixel(3, 0), qRgb(200, 100, 50));
}

TEST(BlackWhite, AHandedOverPictureIsConvertedInPlace) {
  QImage picture(300, 200, QImage::Format_RGB888);
  picture.fill(Qt::white);
  for (int y = 50; y < 60; ++y) picture.setPixel(10, y, qRgb(5, 5, 5));
  const uchar* bits = picture.constBits();
  const QImage result = MakeBlackWhite(std::move(picture), kWhite, kBlack, 60);
  EXPECT_EQ(result.constBits(), bits) << "no second full-size buffer";
  EXPECT_EQ(result.pixel(10, 55), kBlack);
  EXPECT_EQ(result.pixel(11, 55), kWhite);

  // A picture that is kept is left as it was.
  QImage kept(4, 4, QImage::Format_RGB888);
  kept.fill(QColor(10, 10, 10));
  kept.setPixel(0, 0, kWhite);
  const QImage copy = kept.copy();
  MakeBlackWhite(kept, kWhite, kBlack, 60);
  EXPECT_EQ(kept, copy);
}

TEST(BlackWhite, NoPictureGivesNoResult) {
  EXPECT_TRUE(MakeBlackWhite(QImage(), kWhite, kBlack, 60).isNull());
}

}  // namespace
}  // namespace scoreink

// The template test: the strip x 0..24, y 50..99 against the blank page.
#include "dialogs/core/template_score.h"

#include <gtest/gtest.h>
#include "harness/case_names.h"

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "resources/embedded_pictures.h"

namespace scoreink {
namespace {

BlankPage RealBlankPage() {
  BlankPage blank;
  blank.scoreTemplate = ScoreTemplateImage();
  return blank;
}

QImage BlankScore() {
  QImage page;
  BuildBlankPage(page, RealBlankPage());
  return page;
}

TEST(IsTemplateScore, TheBlankPageAndItsCopiesInOtherFormatsAre) {
  const QImage page = BlankScore();
  EXPECT_TRUE(IsTemplateScore(page, RealBlankPage()));
  EXPECT_TRUE(IsTemplateScore(ConvertedTo(page, PixelFormat::Bits24), RealBlankPage()));
  EXPECT_TRUE(IsTemplateScore(page.convertToFormat(QImage::Format_RGB32), RealBlankPage()));
}

TEST(IsTemplateScore, InkOutsideTheStripDoesNotCount) {
  QImage page = BlankScore();
  for (QPoint p : {QPoint(25, 50), QPoint(0, 49), QPoint(10, 100), QPoint(400, 500)})
    page.scanLine(p.y())[p.x()] = 0;
  EXPECT_TRUE(IsTemplateScore(page, RealBlankPage()));
}

struct Changed {
  const char* what;
  QPoint at;
  QRgb colour;
};

class OnePixelOfTheStrip : public ::testing::TestWithParam<Changed> {};

TEST_P(OnePixelOfTheStrip, ChangedMakesItNoTemplateScore) {
  QImage page = ConvertedTo(BlankScore(), PixelFormat::Bits24);
  uchar* p = page.scanLine(GetParam().at.y()) + 3 * GetParam().at.x();
  p[0] = qRed(GetParam().colour);
  p[1] = qGreen(GetParam().colour);
  p[2] = qBlue(GetParam().colour);
  EXPECT_FALSE(IsTemplateScore(page, RealBlankPage()));
}

// The corners of the strip, a pixel of the system line turned white, template ink a shade off.
INSTANTIATE_TEST_SUITE_P(Pixels, OnePixelOfTheStrip,
                         ::testing::Values(Changed{"top left black", {0, 50}, kBlack},
                                           Changed{"bottom right black", {24, 99}, kBlack},
                                           Changed{"system line white", {24, 60}, kWhite},
                                           Changed{"ink a shade off", {24, 60}, qRgb(32, 32, 65)},
                                           Changed{
                                               "white a shade off", {12, 75}, qRgb(254, 255, 255)}),
                         [](const auto& tc) { return scoreink::test::CaseName(tc.param.what); });

TEST(IsTemplateScore, APictureTooSmallForTheStripIsNot) {
  const QImage page = BlankScore();
  EXPECT_FALSE(IsTemplateScore(page.copy(0, 0, 25, 99), RealBlankPage()));
  EXPECT_FALSE(IsTemplateScore(page.copy(0, 0, 24, 400), RealBlankPage()));
  EXPECT_TRUE(IsTemplateScore(page.copy(0, 0, 25, 100), RealBlankPage()));
  EXPECT_FALSE(IsTemplateScore(QImage(), RealBlankPage()));
}

TEST(IsTemplateScore, AWhitePictureIsNot) {
  EXPECT_FALSE(IsTemplateScore(NewBitmap(800, 1100, PixelFormat::Bits8), RealBlankPage()));
}

}  // namespace
}  // namespace scoreink

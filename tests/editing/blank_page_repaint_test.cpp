// The blank page, and repainting a rectangle of the score from it without building the page:
// both must give exactly the pixels of building the whole page and copying from it.
#include <gtest/gtest.h>

#include "editing/blank_page.h"
#include "editing/surface_rules.h"
#include "editing_test_pictures.h"
#include "harness/case_names.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "resources/embedded_pictures.h"

namespace scoreink {
namespace {

BlankPage TestBlankPage(QSize size) {
  return {size, test::PatternedTemplate()};
}

// Reference: build the page, then copy `rect` of it onto `surface` (white where the rectangle
// leaves the page), clipped to the surface.
QImage BuiltAndCopied(QImage surface, const QRect& rect, const BlankPage& blank) {
  QImage page;
  BuildBlankPage(page, blank);
  surface = surface.convertToFormat(QImage::Format_RGB32);
  for (int y = rect.y(); y < rect.y() + rect.height(); ++y) {
    for (int x = rect.x(); x < rect.x() + rect.width(); ++x) {
      if (!surface.rect().contains(x, y)) continue;
      surface.setPixel(x, y, page.rect().contains(x, y) ? page.pixel(x, y) : kWhite);
    }
  }
  return surface;
}

// A surface full of a colour that the page never has, so every pixel written shows.
QImage MarkedSurface(QSize size, PixelFormat format) {
  QImage s = NewBitmap(size.width(), size.height(), PixelFormat::Bits8);
  s.fill(uchar(PaletteIndexFor(200, 30, 30)));
  return ConvertedTo(s, format);
}

TEST(BuildBlankPage, StacksWholeSystemsAndLeavesTheRestWhite) {
  const BlankPage blank = TestBlankPage({770, 1101});
  QImage page;
  BuildBlankPage(page, blank);
  ASSERT_EQ(page.size(), QSize(770, 1101));
  ASSERT_EQ(PixelFormatOf(page), PixelFormat::Bits8);
  EXPECT_EQ(blank.SystemCount(), 4);
  for (int k = 0; k < 4; ++k)
    EXPECT_EQ(page.copy(0, k * 260, 730, 260), blank.scoreTemplate) << "system " << k;
  QImage white = NewBitmap(40, 1101, PixelFormat::Bits8);
  EXPECT_EQ(page.copy(730, 0, 40, 1101), white);
  white = NewBitmap(770, 61, PixelFormat::Bits8);
  EXPECT_EQ(page.copy(0, 1040, 770, 61), white);
}

TEST(BuildBlankPage, PageForAPrinterHoldsFourSystemsOfTheEmbeddedTemplate) {
  DeviceFacts facts;
  facts.printer = {true, 600, 600, 100, 100};
  const BlankPage blank{BlankPageSize(facts), ScoreTemplateImage()};
  QImage page;
  BuildBlankPage(page, blank);
  ASSERT_EQ(page.size(), QSize(762, 1091));
  ASSERT_EQ(blank.SystemCount(), 4);
  EXPECT_EQ(page.copy(0, 780, 730, 260), ConvertedTo(ScoreTemplateImage(), PixelFormat::Bits8));
  EXPECT_EQ(page.pixel(24, 57 + 260), kTemplateInk);
}

TEST(BuildBlankPage, NarrowPageCutsTheTemplateAndShortPageHasNoSystem) {
  QImage page;
  BuildBlankPage(page, TestBlankPage({500, 600}));
  EXPECT_EQ(page.copy(0, 260, 500, 260), test::PatternedTemplate().copy(0, 0, 500, 260));
  BuildBlankPage(page, TestBlankPage({770, 259}));
  EXPECT_EQ(page, NewBitmap(770, 259, PixelFormat::Bits8));
}

struct RepaintCase {
  const char* name;
  QRect rect;
};

class PaintBlankPageMatches
    : public ::testing::TestWithParam<std::tuple<RepaintCase, QSize, PixelFormat>> {};

TEST_P(PaintBlankPageMatches, BuildingThePageAndCopying) {
  const auto& [c, surfaceSize, format] = GetParam();
  const BlankPage blank = TestBlankPage({770, 1101});
  QImage surface = MarkedSurface(surfaceSize, format);
  const QImage expected = BuiltAndCopied(surface, c.rect, blank);

  const QRect written = PaintBlankPage(surface, c.rect, blank);

  EXPECT_EQ(surface.convertToFormat(QImage::Format_RGB32), expected) << c.name;
  EXPECT_EQ(written, c.rect.intersected(QRect(QPoint(0, 0), surfaceSize))) << c.name;
  EXPECT_EQ(PixelFormatOf(surface), format) << "the surface keeps its format";
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, PaintBlankPageMatches,
    ::testing::Combine(
        ::testing::Values(RepaintCase{"inside one system", {30, 40, 100, 100}},
                          RepaintCase{"across two systems", {10, 200, 700, 150}},
                          RepaintCase{"across the last system's bottom", {100, 990, 120, 80}},
                          RepaintCase{"across the page's bottom", {100, 1080, 60, 60}},
                          RepaintCase{"across the template's right", {700, 50, 60, 100}},
                          RepaintCase{"across the page's right", {740, 50, 60, 100}},
                          RepaintCase{"across the surface's left and top", {-20, -30, 60, 90}},
                          RepaintCase{"past the surface's right and bottom", {760, 1090, 500, 500}},
                          RepaintCase{"wholly outside the page", {780, 1110, 10, 10}},
                          RepaintCase{"the whole surface and more", {-5, -5, 2000, 2000}},
                          RepaintCase{"one pixel", {24, 57, 1, 1}}),
        ::testing::Values(QSize(820, 1150), QSize(770, 1101), QSize(600, 700)),
        ::testing::Values(PixelFormat::Bits8, PixelFormat::Bits24)),
    [](const auto& tc) {
      return scoreink::test::CaseName(std::get<0>(tc.param).name) + "_" +
             std::to_string(std::get<1>(tc.param).width()) + "x" +
             std::to_string(std::get<1>(tc.param).height()) + "_" +
             scoreink::test::PixelFormatName(std::get<2>(tc.param));
    });

TEST(PaintBlankPage, EmptyRectangleOrOneOutsideTheSurfaceWritesNothing) {
  const BlankPage blank = TestBlankPage({770, 1101});
  QImage surface = MarkedSurface({100, 100}, PixelFormat::Bits8);
  const QImage before = surface.copy();
  EXPECT_TRUE(PaintBlankPage(surface, QRect(10, 10, 0, 5), blank).isEmpty());
  EXPECT_TRUE(PaintBlankPage(surface, QRect(100, 10, 5, 5), blank).isEmpty());
  EXPECT_TRUE(PaintBlankPage(surface, QRect(-6, 10, 5, 5), blank).isEmpty());
  EXPECT_EQ(surface, before);
}

TEST(RestoreFromTemplate, RepaintsFromTheBlankPageWithCornersInAnyOrder) {
  const BlankPage blank = TestBlankPage({770, 1101});
  QImage page;
  BuildBlankPage(page, blank);
  QImage surface = MarkedSurface({770, 1101}, PixelFormat::Bits8);
  const QRect written = RestoreFromTemplate(surface, 120, 300, 20, 250, blank);
  EXPECT_EQ(written, QRect(20, 250, 100, 50));
  EXPECT_EQ(surface.copy(written), page.copy(written));
  EXPECT_NE(surface.pixelIndex(120, 300), page.pixelIndex(120, 300)) << "right is exclusive";
}

TEST(RestoreFromTemplate, TwentyFourBitSurfaceEndsAtEightBits) {
  const BlankPage blank = TestBlankPage({770, 1101});
  QImage surface = MarkedSurface({770, 1101}, PixelFormat::Bits24);
  RestoreFromTemplate(surface, 0, 0, 100, 100, blank);
  EXPECT_EQ(PixelFormatOf(surface), PixelFormat::Bits8);
  QImage page;
  BuildBlankPage(page, blank);
  EXPECT_EQ(surface.copy(0, 0, 100, 100), page.copy(0, 0, 100, 100));
}

}  // namespace
}  // namespace scoreink

// Palette symbols drawn from their outlines: smooth at the staves' size, true to the palette's
// bitmaps at its own size, and a damaged outline record read as no outline.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "editing/staff/staff_fit.h"
#include "editing/staff/symbol_scaling.h"
#include "platform/raster/palette.h"
#include "resources/embedded_pictures.h"
#include "resources/symbol_outlines.h"

namespace scoreink {
namespace {

// The outline filled on a grey picture of the scaled size, ink where it is darker than middle.
std::vector<bool> ReferenceInk(int number, QSize size) {
  const QSize own = PaletteSymbolImage(number).size();
  QImage grey(size, QImage::Format_Grayscale8);
  grey.fill(255);
  QPainter painter(&grey);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(double(size.width()) / own.width(), double(size.height()) / own.height());
  painter.fillPath(PaletteSymbolOutline(number), Qt::black);
  painter.end();
  std::vector<bool> ink;
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) ink.push_back(grey.constScanLine(y)[x] < 128);
  return ink;
}

// Pixels of image that differ from the reference where the reference's 3 x 3 neighbourhood is
// all of one colour, i.e. away from its edge; grey counts as a difference anywhere.
int DifferencesOffTheEdge(const QImage& image, const std::vector<bool>& reference) {
  const int w = image.width();
  const int h = image.height();
  auto ref = [&](int x, int y) { return reference[size_t(y * w + x)]; };
  int count = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const QRgb c = image.pixel(x, y);
      if (c != kBlack && c != kWhite) {
        ++count;
        continue;
      }
      if ((c == kBlack) == ref(x, y)) continue;
      bool edge = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = std::clamp(x + dx, 0, w - 1);
          const int ny = std::clamp(y + dy, 0, h - 1);
          edge = edge || ref(nx, ny) != ref(x, y);
        }
      count += !edge;
    }
  return count;
}

struct OutlineCase {
  int symbol;  // palette image number
  bool head;
  double factor;
  bool bitmapBlocky;  // the magnified bitmap strays from the outline by more than its edge
};
class OutlineStamp : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineStamp, FollowsTheOutlineAtTheStavesSize) {
  const OutlineCase& c = GetParam();
  const QImage picture = PaletteSymbolImage(c.symbol);
  StaffGeometry staves;
  staves.staves.resize(1);
  staves.staffSpace = c.factor * (c.head ? BlackBounds(picture).height() : kBlankPageStaffSpace);
  const QImage fitted = FittedSymbol(picture, c.head, staves, PaletteSymbolOutline(c.symbol));

  const QSize size(int(std::lround(picture.width() * c.factor)),
                   int(std::lround(picture.height() * c.factor)));
  ASSERT_EQ(fitted.size(), size);
  const std::vector<bool> reference = ReferenceInk(c.symbol, size);
  EXPECT_EQ(DifferencesOffTheEdge(fitted, reference), 0);
  if (c.bitmapBlocky) {
    EXPECT_GT(DifferencesOffTheEdge(ScaledBlackMask(picture, c.factor), reference), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, OutlineStamp,
    ::testing::Values(OutlineCase{1, true, 1.7, false}, OutlineCase{1, true, 3.3, false},
                      OutlineCase{1, true, 4, false}, OutlineCase{2, true, 3.3, true},
                      OutlineCase{2, true, 4, true}, OutlineCase{11, false, 1.7, false},
                      OutlineCase{11, false, 3.3, false}, OutlineCase{12, false, 4, false},
                      OutlineCase{8, false, 1.7, false}, OutlineCase{8, false, 3.3, false},
                      OutlineCase{17, false, 4, false}, OutlineCase{20, false, 3.3, false},
                      OutlineCase{20, false, 4, false}));

TEST(PaletteOutline, EachFitsItsBitmapAtThePalettesSize) {
  for (int number = 1; number <= kPaletteSymbolCount; ++number) {
    const QImage picture = PaletteSymbolImage(number);
    const std::vector<bool> drawn = ReferenceInk(number, picture.size());
    int both = 0;
    int either = 0;
    QRect drawnInk;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const bool a = drawn[size_t(y * picture.width() + x)];
        const bool b = (picture.pixel(x, y) & 0xFFFFFFu) == 0;
        both += a && b;
        either += a || b;
        if (a) drawnInk |= QRect(x, y, 1, 1);
      }
    const QRect ink = BlackBounds(picture);
    // The sharp and the flat are drawn bolder for the palette than the engraved glyphs that
    // replace them when scaled; they share only their black part's box.
    const bool engravedOverPattern = number == 11 || number == 12;
    EXPECT_GE(both, (engravedOverPattern ? 0.45 : 0.85) * either) << number;
    for (int side : {ink.left() - drawnInk.left(), ink.top() - drawnInk.top(),
                     ink.right() - drawnInk.right(), ink.bottom() - drawnInk.bottom()})
      EXPECT_LE(std::abs(side), 1) << number;
  }
}

TEST(PaletteOutline, ADamagedRecordReadsAsNoOutline) {
  EXPECT_EQ(ParseOutlineRecord("3 14 10 nonzero M 1 1 L 5 1 C 5 5 3 5 1 5 Z").number, 3);
  for (const char* line :
       {"3 14 10 nonzero M 1 1 L 5", "3 14 10 nonzero L 1 1 Z", "3 14 10 wavy M 1 1 L 5 1 Z",
        "24 14 10 nonzero M 1 1 L 5 1 Z", "3 14 10 evenodd M 1 1 L 50 1 Z",
        "3 14 10 evenodd M 1 1 L nan 1 Z", "3 0 10 evenodd M 1 1 Z", "3 14 10 evenodd M 1 1x",
        "3 14 10 nonzero", ""}) {
    const OutlineRecord record = ParseOutlineRecord(line);
    EXPECT_EQ(record.number, 0) << line;
    EXPECT_TRUE(record.outline.isEmpty()) << line;
  }
}

}  // namespace
}  // namespace scoreink

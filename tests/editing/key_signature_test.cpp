// Key signatures: the system's head redrawn from the template with the chosen sharps or flats
// in both staves, and only that system touched.
#include <gtest/gtest.h>

#include "editing/blank_page.h"
#include "editing/key_signature.h"
#include "editing_test_pictures.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

// What the head of a system must look like, painted independently from the patterns.
QImage ExpectedHead(int index) {
  QImage head = test::PatternedTemplate().copy(0, 0, kKeyStripWidth, 260);
  head = head.convertToFormat(QImage::Format_RGB32);
  const bool flats = index > 6;
  const int count = flats ? index - 6 : std::max(index, 0);
  const QStringList& rows = flats ? test::FlatRows() : test::SharpRows();
  for (int k = 0; k < count; ++k) {
    const AccidentalPlace place = flats ? kFlatPlaces[size_t(k)] : kSharpPlaces[size_t(k)];
    for (int i = 0; i < rows.size(); ++i) {
      for (int j = 0; j < rows[i].size(); ++j) {
        if (rows[i][j] != QLatin1Char('X')) continue;
        head.setPixel(place.x + j, place.y0 + i, kTemplateInk);
        head.setPixel(place.x + j, place.y0 + i + kBassStaffOffset, kTemplateInk);
      }
    }
  }
  return head;
}

class KeySignatureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildBlankPage(page_, blank_);
    surface_ = page_.copy();
    // The user's ink beside and below the head stays where it is.
    for (int x = 143; x < 200; ++x) surface_.scanLine(300)[x] = uchar(kBlackIndex);
    for (int x = 30; x < 140; ++x) surface_.scanLine(530)[x] = uchar(kBlackIndex);
  }
  QRect Stamp(int y, int index) {
    return StampKeySignature(surface_, y, index, KeySignatureInk(surface_), blank_.scoreTemplate,
                             test::SharpSymbol(), test::FlatSymbol());
  }
  BlankPage blank_{{770, 1101}, test::PatternedTemplate()};
  QImage page_;
  QImage surface_;
};

TEST_F(KeySignatureTest, EveryCountOfSharpsAndFlatsInBothStaves) {
  for (int index = 0; index <= 12; ++index) {
    const QImage before = surface_.copy();
    const QRect written = Stamp(300, index);  // second system: rows 260..519
    ASSERT_EQ(written, QRect(0, 260, 143, 260));
    EXPECT_EQ(surface_.copy(written).convertToFormat(QImage::Format_RGB32), ExpectedHead(index))
        << "index " << index;
    EXPECT_EQ(surface_.copy(0, 0, 770, 260), before.copy(0, 0, 770, 260));
    EXPECT_EQ(surface_.copy(143, 260, 627, 260), before.copy(143, 260, 627, 260));
    EXPECT_EQ(surface_.copy(0, 520, 770, 581), before.copy(0, 520, 770, 581));
  }
}

TEST_F(KeySignatureTest, IndexZeroOrNoChoiceClearsTheSignature) {
  Stamp(270, 5);
  Stamp(519, 0);
  EXPECT_EQ(surface_.copy(0, 260, 143, 260), page_.copy(0, 260, 143, 260));
  Stamp(300, 12);
  Stamp(300, -1);
  EXPECT_EQ(surface_.copy(0, 260, 143, 260), page_.copy(0, 260, 143, 260));
}

TEST_F(KeySignatureTest, ReplacesTheUsersInkInTheHeadColumns) {
  surface_.scanLine(280)[100] = uchar(kBlackIndex);
  Stamp(280, 0);
  EXPECT_EQ(surface_.pixelIndex(100, 280), page_.pixelIndex(100, 280));
}

TEST_F(KeySignatureTest, TheMarginBelowTheLastWholeSystemSetsNothing) {
  // The page holds four systems (rows 0..1039); the white strip below them has no head.
  const QImage before = surface_.copy();
  for (int y : {1040, 1090, 1100, 1300}) EXPECT_TRUE(Stamp(y, 3).isEmpty()) << "row " << y;
  EXPECT_EQ(surface_, before);
  EXPECT_EQ(Stamp(1039, 3), QRect(0, 780, 143, 260)) << "the last whole system";
}

TEST_F(KeySignatureTest, InkIsTheColourOfTheStaffLineAtTheHead) {
  EXPECT_EQ(KeySignatureInk(surface_), kTemplateInk);
  EXPECT_EQ(KeySignatureInk(QImage(10, 10, QImage::Format_RGB888)), kTemplateInk);
}

TEST_F(KeySignatureTest, TwentyFourBitScoreKeepsItsFormat) {
  QImage surface = ConvertedTo(page_, PixelFormat::Bits24);
  const QRect written = StampKeySignature(surface, 10, 2, kTemplateInk, blank_.scoreTemplate,
                                          test::SharpSymbol(), test::FlatSymbol());
  EXPECT_EQ(PixelFormatOf(surface), PixelFormat::Bits24);
  EXPECT_EQ(surface.copy(written).convertToFormat(QImage::Format_RGB32), ExpectedHead(2));
}

}  // namespace
}  // namespace scoreink

// Fitting symbols to the staves: the scaled black mask, which symbols are note heads, the
// factor shown, and the line or space a head moves to.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <optional>

#include "editing/staff/staff_fit.h"
#include "editing/staff/staff_snap.h"
#include "editing/staff/symbol_fit_rules.h"
#include "editing/staff/symbol_scaling.h"
#include "editing/surface_rules.h"
#include "platform/raster/palette.h"
#include "resources/embedded_pictures.h"

namespace scoreink {
namespace {

int BlackCount(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFFu) == 0;
  return n;
}

struct ScaleCase {
  int symbol;  // palette image number
  double factor;
};
class ScaledMask : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaledMask, KeepsTheShapeInPureBlackAndWhite) {
  const QImage symbol = PaletteSymbolImage(GetParam().symbol);
  const double f = GetParam().factor;
  const QImage scaled = ScaledBlackMask(symbol, f);

  ASSERT_EQ(scaled.size(),
            QSize(int(std::lround(symbol.width() * f)), int(std::lround(symbol.height() * f))));
  for (int y = 0; y < scaled.height(); ++y)
    for (int x = 0; x < scaled.width(); ++x) {
      const QRgb c = scaled.pixel(x, y) & 0xFFFFFFu;
      ASSERT_TRUE(c == 0 || c == 0xFFFFFFu) << "grey at " << x << "," << y;
    }
  const QRect before = BlackBounds(symbol);
  const QRect after = BlackBounds(scaled);
  EXPECT_NEAR(after.height(), before.height() * f, 1.0);
  EXPECT_NEAR(after.width(), before.width() * f, 1.0);
  EXPECT_NEAR(BlackCount(scaled), BlackCount(symbol) * f * f, 0.15 * BlackCount(symbol) * f * f);
  if (f == 1.0) {
    QImage exact(symbol.size(), QImage::Format_RGB32);
    for (int y = 0; y < symbol.height(); ++y)
      for (int x = 0; x < symbol.width(); ++x)
        exact.setPixel(x, y, (symbol.pixel(x, y) & 0xFFFFFFu) == 0 ? kBlack : kWhite);
    EXPECT_EQ(scaled, exact);
  }
}

INSTANTIATE_TEST_SUITE_P(Symbols, ScaledMask,
                         ::testing::Values(ScaleCase{1, 1.0}, ScaleCase{1, 3.3}, ScaleCase{2, 1.6},
                                           ScaleCase{3, 4.8}, ScaleCase{11, 0.7},
                                           ScaleCase{12, 2.5}, ScaleCase{17, 3.3}));

struct HeadCase {
  const char* name;
  QRect ink;  // an ellipse drawn in a 30 x 30 symbol
  bool head;
};
class NoteHeadShape : public ::testing::TestWithParam<HeadCase> {};

TEST_P(NoteHeadShape, IsRoughlyAStaffSpaceTall) {
  QImage symbol(30, 30, QImage::Format_RGB32);
  symbol.fill(kWhite);
  QPainter painter(&symbol);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawRect(GetParam().ink);
  painter.end();
  EXPECT_EQ(IsNoteHeadShape(symbol), GetParam().head);
}

INSTANTIATE_TEST_SUITE_P(Customs, NoteHeadShape,
                         ::testing::Values(HeadCase{"Head", {5, 5, 14, 11}, true},
                                           HeadCase{"SmallHead", {5, 5, 10, 8}, true},
                                           HeadCase{"Stem", {5, 0, 3, 30}, false},
                                           HeadCase{"Dot", {5, 5, 4, 4}, false},
                                           HeadCase{"WideBar", {0, 5, 30, 8}, false},
                                           HeadCase{"TallBlock", {5, 5, 14, 18}, false}),
                         [](const auto& tc) { return std::string(tc.param.name); });

TEST(StaffFit, FactorTextAndHeadsFillOneStaffSpace) {
  StaffGeometry none;
  EXPECT_EQ(StaffFactorText(none), QStringLiteral("譜表なし"));
  EXPECT_EQ(FittedSymbol(PaletteSymbolImage(1), true, none), PaletteSymbolImage(1));

  StaffGeometry scan;
  scan.staffSpace = 41;
  scan.staves.resize(1);
  EXPECT_EQ(StaffFactorText(scan), QStringLiteral("×3.3"));
  EXPECT_NEAR(BlackBounds(FittedSymbol(PaletteSymbolImage(1), true, scan)).height(), 41, 1);
  EXPECT_NEAR(BlackBounds(FittedSymbol(PaletteSymbolImage(11), false, scan)).height(),
              30 * 41 / 12.5, 1);
  scan.staffSpace = kBlankPageStaffSpace;
  EXPECT_EQ(StaffFactorText(scan), QStringLiteral("×1.0"));
}

// A custom symbol fits as a head when it is shaped like one; symbols outside the table, and
// numbers outside the palette, take no place.
TEST(StaffFit, CustomHeadsSnapAndOtherSymbolsStayWhereDropped) {
  QImage head(30, 30, QImage::Format_RGB32);
  head.fill(kWhite);
  QPainter(&head).fillRect(5, 5, 14, 11, Qt::black);
  EXPECT_TRUE(CustomSymbolFit(head).noteHead);
  EXPECT_EQ(CustomSymbolFit(head).places, StaffPlaces::LinesOrSpaces);
  EXPECT_EQ(CustomSymbolFit(PaletteSymbolImage(11)).places, StaffPlaces::None);
  for (const int number : {0, 5, 23, 24})
    EXPECT_EQ(BuiltInSymbolFit(number).places, StaffPlaces::None);
}

// One staff with lines 10 apart, rising by one row every hundred columns, seen from column 50
// to 950; a second one far below.
StaffGeometry TwoStaves() {
  StaffGeometry g;
  g.staffSpace = 10;
  g.lineThickness = 2;
  const Staff upper = Staff::Straight({100, 110, 120, 130, 140}, 0.01, 50, 950);
  const Staff lower = Staff::Straight({300, 310, 320, 330, 340}, 0.01, 50, 950);
  g.staves = {upper, lower};
  return g;
}

struct SnapCase {
  const char* name;
  double x, y;
  std::optional<double> row;
  StaffPlaces places = StaffPlaces::LinesOrSpaces;
};
class SnapToStaffPlaces : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapToStaffPlaces, MovesToTheNearestLineOrSpaceNearAStaffOnly) {
  const SnapCase& c = GetParam();
  const std::optional<double> row = SnapToStaff(TwoStaves(), c.x, c.y, c.places);
  ASSERT_EQ(row.has_value(), c.row.has_value());
  if (row) {
    EXPECT_NEAR(*row, *c.row, 1e-9);
  }
  EXPECT_FALSE(SnapToStaff(StaffGeometry{}, c.x, c.y, c.places));
}

INSTANTIATE_TEST_SUITE_P(
    Places, SnapToStaffPlaces,
    ::testing::Values(
        SnapCase{"OnTopLineFollowingTheSkew", 500, 106, 105}, SnapCase{"InASpace", 500, 111.5, 110},
        SnapCase{"OnTheBottomLine", 500, 147, 145}, SnapCase{"ThirdLedgerAbove", 500, 73, 75},
        SnapCase{"FourthLedgerAbove", 500, 63, 65},
        SnapCase{"PastTheFourthLedger", 500, 61, std::nullopt},
        SnapCase{"ThirdLedgerBelow", 500, 176, 175},
        SnapCase{"BetweenSystems", 500, 220, std::nullopt}, SnapCase{"LowerStaff", 500, 322, 320},
        SnapCase{"NearTheStaffsLeftEnd", 30, 100, 100.3},
        SnapCase{"BeyondTheStaffsLeftEnd", 10, 100, std::nullopt},
        SnapCase{"LedgerHeadFromASpaceToALine", 500, 111.5, 115, StaffPlaces::Lines},
        SnapCase{"LedgerHeadOnALedgerLine", 500, 81, 85, StaffPlaces::Lines},
        SnapCase{"DotFromALineToASpace", 500, 106, 110, StaffPlaces::Spaces},
        SnapCase{"DotBelowTheStaff", 500, 152, 150, StaffPlaces::Spaces},
        SnapCase{"ASymbolThatTakesNoPlace", 500, 106, std::nullopt, StaffPlaces::None}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST(StaffSnap, ControlOffsetMapsBackToTheNearestSurfacePixel) {
  struct Case {
    int surface, control, bitmap, offset;
  };
  for (const Case& c : {Case{53, 770, 770, 53}, Case{53, 1540, 770, 106}, Case{53, 231, 770, 16},
                        Case{52, 231, 770, 16}, Case{0, 231, 770, 0}}) {
    EXPECT_EQ(ControlOffsetFor(c.surface, c.control, c.bitmap), c.offset) << c.surface;
  }
  // At 200 percent a head centred 4.5 rows into its picture, floating at surface (50, 103)
  // with its centre at row 107.5, goes into the first space of the upper staff (row 105.5 at
  // its column): its top to row 101, at control row 202.
  const QRect view(0, 0, 2000, 2000);
  EXPECT_EQ(SnappedOverlayTop(TwoStaves(), QPoint(100, 206), QPointF(4.5, 4.5),
                              StaffPlaces::LinesOrSpaces, view, QSize(1000, 1000)),
            202);
  // Far from the staves the overlay keeps its place.
  EXPECT_EQ(SnappedOverlayTop(TwoStaves(), QPoint(100, 440), QPointF(4.5, 4.5),
                              StaffPlaces::LinesOrSpaces, view, QSize(1000, 1000)),
            440);
}

}  // namespace
}  // namespace scoreink

#include "platform/picture_files/tiff_page_kind.h"

#include <algorithm>
#include <array>

#include "platform/raster/palette.h"

namespace scoreink {

namespace {

// Ranks in the order a page falls back: one colour of a rank forces the page down to it.
enum Rank : uchar { kBlackOrWhite, kGrey, kColour };

Rank RankOf(QRgb colour) {
  const QRgb rgb = colour | 0xFF000000u;
  if (rgb == kBlack || rgb == kWhite) return kBlackOrWhite;
  return qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb) ? kGrey : kColour;
}

Rank WorstOfIndexed(const QImage& page) {
  const QList<QRgb> table = page.colorTable();
  std::array<uchar, 256> rank;
  for (int i = 0; i < 256; ++i) rank[i] = RankOf(i < table.size() ? table[i] : kBlack);
  uchar worst = kBlackOrWhite;
  for (int y = 0; y < page.height() && worst != kColour; ++y) {
    const uchar* row = page.constScanLine(y);
    for (int x = 0; x < page.width(); ++x) worst = std::max(worst, rank[row[x]]);
  }
  return Rank(worst);
}

Rank WorstOfRgb888(const QImage& page) {
  Rank worst = kBlackOrWhite;
  for (int y = 0; y < page.height() && worst != kColour; ++y) {
    const uchar* p = page.constScanLine(y);
    for (int x = 0; x < page.width(); ++x, p += 3)
      worst = std::max(worst, RankOf(qRgb(p[0], p[1], p[2])));
  }
  return worst;
}

}  // namespace

TiffPageKind KindOfTiffPage(const QImage& page) {
  const bool indexed = page.format() == QImage::Format_Indexed8;
  if (!indexed && page.format() != QImage::Format_RGB888) return TiffPageKind::Rgb;
  switch (indexed ? WorstOfIndexed(page) : WorstOfRgb888(page)) {
    case kBlackOrWhite:
      return TiffPageKind::BlackWhite;
    case kGrey:
      return TiffPageKind::Grey;
    case kColour:
      break;
  }
  return indexed ? TiffPageKind::Palette : TiffPageKind::Rgb;
}

}  // namespace scoreink

#include "platform/picture_files/tiff_page_rows.h"

#include <algorithm>

namespace scoreink {

TiffPageRows::TiffPageRows(const QImage& page, TiffPageKind kind)
    : page_(page), kind_(kind), indexed_(page.format() == QImage::Format_Indexed8) {
  // Entries past the table's end stay black (0), as the picture shows them.
  const QList<QRgb> table = page.colorTable();
  for (int i = 0; i < int(std::min<qsizetype>(table.size(), 256)); ++i)
    levels_[size_t(i)] = uchar(qRed(table[i]));
  if (kind == TiffPageKind::BlackWhite || kind == TiffPageKind::Grey)
    levelRow_.resize(size_t(page.width()));
  if (kind == TiffPageKind::BlackWhite) bitRow_.resize(size_t(BytesPerRow()));
}

int TiffPageRows::BytesPerRow() const {
  switch (kind_) {
    case TiffPageKind::BlackWhite:
      return (page_.width() + 7) / 8;
    case TiffPageKind::Grey:
    case TiffPageKind::Palette:
      return page_.width();
    case TiffPageKind::Rgb:
      break;
  }
  return page_.width() * 3;
}

const uchar* TiffPageRows::Row(int y) {
  const uchar* row = page_.constScanLine(y);
  if (kind_ == TiffPageKind::Palette || kind_ == TiffPageKind::Rgb) return row;
  // Grey and black-and-white pages have equal channels: red is the level.
  const int width = page_.width();
  uchar* levels = levelRow_.data();
  if (indexed_)
    for (int x = 0; x < width; ++x) levels[x] = levels_[row[x]];
  else
    for (int x = 0; x < width; ++x) levels[x] = row[3 * x];
  if (kind_ == TiffPageKind::Grey) return levels;
  std::fill(bitRow_.begin(), bitRow_.end(), uchar(0));
  for (int x = 0; x < width; ++x)
    if (levels[x] < 128) bitRow_[size_t(x >> 3)] |= uchar(0x80 >> (x & 7));
  return bitRow_.data();
}

}  // namespace scoreink

#include "dialogs/core/grey_split.h"

#include <algorithm>
#include <cstring>

#include "dialogs/core/black_white.h"
#include "dialogs/core/black_white_rows.h"
#include "platform/raster/palette.h"
#include "platform/raster/picture_buffer.h"

namespace scoreink {

namespace {

std::array<uchar, 256> GreysOfTable(const QList<QRgb>& table) {
  std::array<uchar, 256> greys{};  // an index past the table's end reads as black
  for (int i = 0; i < std::min<int>(256, int(table.size())); ++i)
    greys[size_t(i)] = uchar(GreyLevel(qRed(table[i]), qGreen(table[i]), qBlue(table[i])));
  return greys;
}

int (*GreyRow())(uchar*, int) {
  return black_white::CpuHasAvx2() ? black_white::GreyRowAvx2 : black_white::GreyRowPortable;
}

}  // namespace

bool GreySplit::Begin(const PictureShape& shape) {
  kind_ = shape.kind;
  if (kind_ == RowKind::Indexed) greyOfIndex_ = GreysOfTable(shape.table);
  greys_ = NewPictureMemory(shape.size.width(), shape.size.height(), QImage::Format_Indexed8);
  return !greys_.isNull();
}

BandRows GreySplit::Room(int top, int count) {
  // Indices are read into their place and turned into greys there; 24-bit rows wait in the band.
  if (kind_ == RowKind::Indexed) return {greys_.scanLine(top), greys_.bytesPerLine()};
  return band_.Room(greys_.width(), count);
}

void GreySplit::Filled(int top, int count) {
  const int w = greys_.width();
  const auto greyRow = GreyRow();
  for (int r = 0; r < count; ++r) {
    uchar* row = greys_.scanLine(top + r);
    if (kind_ == RowKind::Indexed) {
      for (int x = 0; x < w; ++x) row[x] = greyOfIndex_[row[x]];
    } else {
      uchar* rgb = band_.Row(r, w);
      greyRow(rgb, w);  // the greys land in the row's first w bytes
      std::memcpy(row, rgb, size_t(w));
    }
    CountRow(row, w);
  }
}

void GreySplit::TakeWhole(QImage picture) {
  const bool indexed = picture.format() == QImage::Format_Indexed8;
  if (!indexed && picture.format() != QImage::Format_RGB888)
    picture = picture.convertToFormat(QImage::Format_RGB888);
  PictureShape shape;
  shape.size = picture.size();
  shape.kind = indexed ? RowKind::Indexed : RowKind::Rgb888;
  if (indexed) shape.table = picture.colorTable();
  if (picture.isNull() || !Begin(shape)) {
    greys_ = QImage();
    return;
  }
  for (int y = 0; y < picture.height(); ++y) {
    const BandRows room = Room(y, 1);
    std::memcpy(room.first, picture.constScanLine(y),
                size_t(indexed ? picture.width() : 3 * picture.width()));
    Filled(y, 1);
  }
}

void GreySplit::CountRow(const uchar* greys, int width) {
  for (int x = 0; x < width; ++x) ++histogram_[size_t(x & 3)][greys[x]];
}

QImage GreySplit::TakeBlackWhite(int threshold) {
  if (greys_.isNull()) return QImage();
  threshold = std::clamp(threshold, 0, 255);
  std::array<qint64, 256> count{};
  for (const auto& part : histogram_)
    for (size_t g = 0; g < 256; ++g) count[g] += part[g];
  int darkest = 0;
  while (darkest < 255 && count[size_t(darkest)] == 0) ++darkest;
  qint64 nearCount = 0, farCount = 0;
  for (int g = darkest; g < 256; ++g)
    (g - darkest <= threshold ? nearCount : farCount) += count[size_t(g)];
  // Near is white and far black, exchanged when far covers more pixels.
  const bool exchange = farCount > nearCount;
  const uchar nearIndex = uchar(exchange ? kBlackIndex : kWhiteIndex);
  const uchar farIndex = uchar(exchange ? kWhiteIndex : kBlackIndex);
  std::array<uchar, 256> indexOf{};
  for (int g = 0; g < 256; ++g)
    indexOf[size_t(g)] = g - darkest <= threshold ? nearIndex : farIndex;
  const int w = greys_.width();
  for (int y = 0; y < greys_.height(); ++y) {
    uchar* row = greys_.scanLine(y);
    for (int x = 0; x < w; ++x) row[x] = indexOf[row[x]];
  }
  greys_.setColorTable(FixedPalette());
  return std::move(greys_);
}

}  // namespace scoreink

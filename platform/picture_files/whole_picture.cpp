#include "platform/picture_files/whole_picture.h"

#include <algorithm>

#include "platform/raster/picture_buffer.h"

namespace scoreink {

namespace {

void CoverAllIndices(QImage& image) {
  if (image.format() != QImage::Format_Indexed8 || image.colorCount() >= 256) return;
  uchar highest = 0;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    highest = std::max(highest, *std::max_element(row, row + image.width()));
  }
  if (highest < image.colorCount()) return;
  QList<QRgb> table = image.colorTable();
  table.resize(highest + 1, qRgb(0, 0, 0));
  image.setColorTable(table);
}

}  // namespace

bool WholePicture::Begin(const PictureShape& shape) {
  const bool indexed = shape.kind == RowKind::Indexed;
  picture_ = NewPictureMemory(shape.size.width(), shape.size.height(),
                              indexed ? QImage::Format_Indexed8 : QImage::Format_RGB888);
  if (picture_.isNull()) return false;
  if (indexed) picture_.setColorTable(shape.table);
  if (shape.dotsPerMeterX > 0) picture_.setDotsPerMeterX(shape.dotsPerMeterX);
  if (shape.dotsPerMeterY > 0) picture_.setDotsPerMeterY(shape.dotsPerMeterY);
  return true;
}

BandRows WholePicture::Room(int top, int) {
  return {picture_.scanLine(top), picture_.bytesPerLine()};
}

QImage WholePicture::Take() {
  CoverAllIndices(picture_);
  return std::move(picture_);
}

}  // namespace scoreink

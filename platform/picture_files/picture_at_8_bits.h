#pragma once
// A picture file read straight into 8 bits with the fixed palette, a band of rows at a time:
// the file's picture is never held whole in its own form. Gives exactly the pixels of the
// file's whole picture converted to 8 bits (ConvertedTo(..., PixelFormat::Bits8)).
#include <QImage>
#include <QSize>
#include <array>

#include "platform/picture_files/picture_sink.h"

namespace scoreink {

class PictureAt8Bits final : public PictureSink {
 public:
  bool Begin(const PictureShape& shape) override;
  BandRows Room(int top, int count) override;
  void Filled(int top, int count) override;
  void TakeWhole(QImage picture) override;

  // The size of the picture read, also when its conversion failed.
  QSize size() const { return size_; }
  // The picture at 8 bits; null when the memory for it could not be had.
  QImage Take() { return std::move(picture_); }

 private:
  QSize size_;
  QImage picture_;
  RowKind kind_ = RowKind::Rgb888;
  std::array<uchar, 256> indexOf_{};  // indexed rows: the fixed palette's index of each value
  bool sameIndices_ = false;          // the file's table is the fixed palette itself
  RgbBand band_;                      // 24-bit rows of the band being read
};

}  // namespace scoreink

#pragma once
// The import's two-colour split (black_white.h) made while the picture file is read: each band
// of rows becomes greys at once, one byte a pixel, and the greys become the two colours in
// place once the whole picture is counted. The picture never exists at 24 bits, so the import
// of a large scan costs a third of what the split of a 24-bit picture does.
#include <QImage>
#include <array>

#include "platform/picture_files/picture_sink.h"

namespace scoreink {

class GreySplit final : public PictureSink {
 public:
  bool Begin(const PictureShape& shape) override;
  BandRows Room(int top, int count) override;
  void Filled(int top, int count) override;
  void TakeWhole(QImage picture) override;

  // The picture read, split as MakeBlackWhite(picture, kWhite, kBlack, threshold) splits it,
  // as Format_Indexed8 with the fixed palette (its white and black entries only). Null when the
  // memory for the greys could not be had. Takes the greys over: call once.
  QImage TakeBlackWhite(int threshold);

 private:
  void CountRow(const uchar* greys, int width);

  QImage greys_;
  RowKind kind_ = RowKind::Rgb888;
  std::array<uchar, 256> greyOfIndex_{};
  std::array<std::array<qint64, 256>, 4> histogram_{};  // four tables: runs of one grey
  RgbBand band_;                                        // 24-bit rows of the band being read
};

}  // namespace scoreink

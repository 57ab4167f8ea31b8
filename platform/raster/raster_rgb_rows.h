#pragma once
// Reads the rows of any QImage as RGB888 bytes (red, green, blue; alpha ignored), so that
// conversions and copies need one path per target format rather than one per source format.
#include <QImage>
#include <array>

namespace scoreink::raster {

class RgbRows {
 public:
  // Rows are read from column left, width columns wide; both must lie inside the image.
  RgbRows(const QImage& image, int left, int width);
  explicit RgbRows(const QImage& image) : RgbRows(image, 0, image.width()) {}

  // Writes the columns of row y into out (3 * width bytes).
  void Decode(int y, uchar* out);

  // The image's colour table as 256 opaque entries; indices past the table read as black,
  // as QImage::pixel reads them.
  static std::array<QRgb, 256> FullTable(const QImage& image);

 private:
  void DecodeThroughQt(int y, uchar* out);

  const QImage& image_;
  int left_;
  int width_;
  std::array<QRgb, 256> table_;
  std::array<quint32, 256> packed_;  // the table as red, green, blue bytes in memory order
  QImage strip_;
  int stripTop_ = 0;
};

}  // namespace scoreink::raster

#pragma once
// Single pixels of a score picture as the staff finder reads them once it knows where to
// look: a few rows around each line, never the whole page.
#include <QImage>
#include <algorithm>
#include <array>

namespace scoreink {

class PixelReader {
 public:
  // ink: brightness below which a pixel is ink; paper: the usual brightness of the paper.
  PixelReader(const QImage& picture, int ink, int paper);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Brightness(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 255;
    const uchar* row = picture_.constScanLine(y);
    return format_ == QImage::Format_Indexed8 ? lookup_[row[x]] : OtherBrightness(row, x, y);
  }
  bool Ink(int x, int y) const { return Brightness(x, y) < ink_; }
  // How much darker than the paper a pixel is: the weight of a row in a line's centre.
  int Darkness(int x, int y) const { return std::max(0, paper_ - Brightness(x, y)); }

 private:
  int OtherBrightness(const uchar* row, int x, int y) const;

  const QImage& picture_;
  QImage::Format format_;
  int width_;
  int height_;
  int ink_;
  int paper_;
  std::array<uchar, 256> lookup_{};  // brightness of each palette index
};

// Brightness of a colour as the staff finder weighs it.
inline int BrightnessOf(int red, int green, int blue) {
  return (red * 77 + green * 150 + blue * 29) >> 8;
}

}  // namespace scoreink

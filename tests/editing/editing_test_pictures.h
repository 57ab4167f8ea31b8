#pragma once
// Pictures the editing tests share: a staff template with a pattern that shows any offset
// mistake, the sharp and flat drawn from their known patterns, and pictures surrounded by
// guard bytes that reveal any write outside them.
#include <QImage>
#include <QStringList>
#include <cstring>
#include <vector>

#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink::test {

// 730 x 260, 8-bit with the fixed palette: the staff lines and the system line of the real
// template, plus a sparse diagonal pattern of template ink in the clef and brace columns, so
// that a wrong row or column shows as a different picture.
inline QImage PatternedTemplate(int width = 730, int height = 260) {
  QImage t = NewBitmap(width, height, PixelFormat::Bits8);
  const auto ink = uchar(TemplateInkIndex());
  const int rows[] = {57, 69, 82, 94, 107, 184, 196, 208, 221, 234};
  for (int top : rows) {
    for (int y = top; y < top + 2 && y < height; ++y) {
      for (int x = 7; x <= 720 && x < width; ++x) t.scanLine(y)[x] = ink;
    }
  }
  for (int y = 57; y <= 235 && y < height; ++y) {
    t.scanLine(y)[24] = ink;
    t.scanLine(y)[25] = ink;
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < 73 && x < width; ++x) {
      if ((x * 7 + y * 3) % 11 == 0) t.scanLine(y)[x] = ink;
    }
  }
  return t;
}

// A picture drawn from rows of '.' (white) and 'X' (black), 24-bit.
inline QImage FromRows(const QStringList& rows) {
  QImage image(int(rows.front().size()), int(rows.size()), QImage::Format_RGB888);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, rows[y][x] == QLatin1Char('X') ? kBlack : kWhite);
  }
  return image;
}

inline const QStringList& SharpRows() {
  static const QStringList rows{
      "........X...", ".......XX...", "...X...XX...", "..XX...XX...", "..XX...XX...",
      "..XX...XX...", "..XX...XX...", "..XX...XXXX.", "..XXXXXXXXXX", "..XXXXXXXXXX",
      ".XXXXXXXXXXX", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", ".XXX...XX...",
      "..XX...XXXX.", "..XX...XXXX.", "..XXX..XXXXX", "..XXXXXXXXXX", "XXXXXXXXXXXX",
      "XXXXXXXXXXX.", "XXXXXXXXX...", "XXXXXXXXX...", "XXXXX..XX...", "..XX...XX...",
      "..XX...XX...", "..XX...XX...", "..XX...XX...", "..XX........", "..XX........"};
  return rows;
}

inline const QStringList& FlatRows() {
  static const QStringList rows{
      ".XX........", ".XX........", ".XX........", ".XX........", ".XX........", ".XX........",
      ".XX........", ".XX........", ".XX........", ".XX.XXXXX..", ".XXXXXXXXX.", ".XXXXXXXXXX",
      ".XX....XXXX", ".XX....XXXX", ".XX...XXXXX", ".X....XXX..", ".X...XXXX..", ".X...XX....",
      ".XX.XX.....", ".XXXX......", ".XXXX......", ".XXX......."};
  return rows;
}

// As the palette holds them: 4-bit (Indexed8 with the 16-colour table).
inline QImage SharpSymbol() {
  return ConvertedTo(FromRows(SharpRows()), PixelFormat::Bits4);
}
inline QImage FlatSymbol() {
  return ConvertedTo(FromRows(FlatRows()), PixelFormat::Bits4);
}

// A picture over memory with guard bytes around every row and above and below the picture.
// Intact() tells whether anything wrote outside the picture.
class GuardedImage {
 public:
  GuardedImage(int width, int height, QImage::Format format, uchar fill) {
    const int depthBytes = format == QImage::Format_Indexed8 ? 1
                           : format == QImage::Format_RGB888 ? 3
                                                             : 4;
    rowBytes_ = ((width * depthBytes + 3) / 4) * 4 + kGuard;
    memory_.assign(size_t(rowBytes_) * size_t(height + 2 * kGuardRows), kGuardByte);
    uchar* first = memory_.data() + size_t(rowBytes_) * kGuardRows;
    image_ = QImage(first, width, height, rowBytes_, format);
    if (format == QImage::Format_Indexed8) image_.setColorTable(FixedPalette());
    for (int y = 0; y < height; ++y)
      std::memset(image_.scanLine(y), fill, size_t(width) * size_t(depthBytes));
    width_bytes_ = width * depthBytes;
  }
  GuardedImage(const GuardedImage&) = delete;
  GuardedImage& operator=(const GuardedImage&) = delete;
  QImage& image() { return image_; }
  bool Intact() const {
    for (size_t i = 0; i < memory_.size(); ++i) {
      const qsizetype row = qsizetype(i) / rowBytes_ - kGuardRows;
      const qsizetype col = qsizetype(i) % rowBytes_;
      const bool inside = row >= 0 && row < image_.height() && col < width_bytes_;
      if (!inside && memory_[i] != kGuardByte) return false;
    }
    return true;
  }

 private:
  static constexpr int kGuard = 16;
  static constexpr int kGuardRows = 4;
  static constexpr uchar kGuardByte = 0xA5;
  std::vector<uchar> memory_;
  qsizetype rowBytes_ = 0;
  int width_bytes_ = 0;
  QImage image_;
};

// Every pixel as opaque RGB, for comparing pictures of different formats.
inline QImage AsRgb(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace scoreink::test

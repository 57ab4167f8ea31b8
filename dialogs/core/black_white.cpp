#include "dialogs/core/black_white.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "dialogs/core/black_white_rows.h"

namespace scoreink {

namespace {

using black_white::Rgb;
using Histogram = std::array<qint64, 256>;

Rgb RgbOf(QRgb colour) {
  return {uchar(qRed(colour)), uchar(qGreen(colour)), uchar(qBlue(colour))};
}

Rgb Exclusive(Rgb a, Rgb b) {
  return {uchar(a.red ^ b.red), uchar(a.green ^ b.green), uchar(a.blue ^ b.blue)};
}

// Which colour each grey gets, from the histogram of the whole picture.
std::array<Rgb, 256> ColoursOfGreys(const Histogram& greys, QRgb nearColour, QRgb farColour,
                                    int threshold) {
  int darkest = 0;
  while (darkest < 255 && greys[darkest] == 0) ++darkest;
  qint64 nearCount = 0, farCount = 0;
  for (int g = darkest; g < 256; ++g) (g - darkest <= threshold ? nearCount : farCount) += greys[g];
  Rgb nearRgb = RgbOf(nearColour), farRgb = RgbOf(farColour);
  if (farCount > nearCount) std::swap(nearRgb, farRgb);
  std::array<Rgb, 256> colours;
  for (int g = 0; g < 256; ++g) colours[g] = g - darkest <= threshold ? nearRgb : farRgb;
  return colours;
}

// Every pixel is one of two colours: exchanging them is the same exclusive-or everywhere.
void ExchangeColours(QImage& picture, Rgb diff) {
  const int bytes = picture.width() * 3;
  std::vector<uchar> pattern(static_cast<size_t>(bytes));
  for (int i = 0; i < bytes; i += 3) std::memcpy(&pattern[size_t(i)], &diff, 3);
  const uchar* __restrict from = pattern.data();
  for (int y = 0; y < picture.height(); ++y) {
    uchar* __restrict row = picture.scanLine(y);
    for (int i = 0; i < bytes; ++i) row[i] ^= from[i];
  }
}

// Rows counted in the first pass to guess which class is the larger one.
constexpr int kSampleStep = 16;

// In place on a 24-bit picture. The first pass leaves each row's greys at its start, finds
// the darkest and counts the greys of every sixteenth row; the second writes the colours as
// that sample says and counts the classes exactly; a third, only when the sample guessed
// wrong (classes of nearly equal size), exchanges the two colours.
void SplitRgb888(QImage& picture, QRgb nearColour, QRgb farColour, int threshold) {
  const int w = picture.width(), h = picture.height();
  const bool avx2 = black_white::CpuHasAvx2();
  const auto greyRow = avx2 ? black_white::GreyRowAvx2 : black_white::GreyRowPortable;
  const auto colourRow = avx2 ? black_white::ColourRowAvx2 : black_white::ColourRowPortable;
  int darkest = 255;
  // Four tables, so that a run of one grey (paper) does not make each count wait for the last.
  std::array<std::array<qint64, 256>, 4> sampled{};
  for (int y = 0; y < h; ++y) {
    uchar* row = picture.scanLine(y);
    darkest = std::min(darkest, greyRow(row, w));
    if (y % kSampleStep == 0)
      for (int x = 0; x < w; ++x) ++sampled[x & 3][row[x]];
  }
  Histogram sample{};
  for (const auto& part : sampled)
    for (int g = 0; g < 256; ++g) sample[g] += part[g];

  const int bound = std::min(255, darkest + threshold);
  qint64 sampleNear = 0, sampleFar = 0;
  for (int g = 0; g < 256; ++g) (g <= bound ? sampleNear : sampleFar) += sample[g];
  const bool guessExchange = sampleFar > sampleNear;
  Rgb nearRgb = RgbOf(nearColour), farRgb = RgbOf(farColour);
  if (guessExchange) std::swap(nearRgb, farRgb);
  const Rgb diff = Exclusive(nearRgb, farRgb);
  std::vector<uchar> greys(static_cast<size_t>(w));
  qint64 nearCount = 0;
  for (int y = 0; y < h; ++y)
    nearCount += colourRow(picture.scanLine(y), w, bound, nearRgb, diff, greys.data());

  const bool exchange = qint64(w) * h - nearCount > nearCount;
  if (exchange != guessExchange) ExchangeColours(picture, diff);
}

// An 8-bit picture: the greys of its colour table, counted through its indices.
QImage SplitIndexed(const QImage& picture, QRgb nearColour, QRgb farColour, int threshold) {
  const int w = picture.width(), h = picture.height();
  const QList<QRgb> table = picture.colorTable();
  std::array<uchar, 256> greyOfIndex{};
  for (int i = 0; i < 256; ++i) {
    // An index beyond the table reads as black, as a bitmap with a short table shows it.
    const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
    greyOfIndex[i] = uchar(GreyLevel(qRed(c), qGreen(c), qBlue(c)));
  }
  Histogram indices{};
  for (int y = 0; y < h; ++y) {
    const uchar* p = picture.constScanLine(y);
    for (int x = 0; x < w; ++x) ++indices[p[x]];
  }
  Histogram greys{};
  for (int i = 0; i < 256; ++i) greys[greyOfIndex[i]] += indices[i];
  const std::array<Rgb, 256> colours = ColoursOfGreys(greys, nearColour, farColour, threshold);
  QImage result(w, h, QImage::Format_RGB888);
  if (result.isNull()) return result;
  for (int y = 0; y < h; ++y) {
    const uchar* from = picture.constScanLine(y);
    uchar* p = result.scanLine(y);
    for (int x = 0; x < w; ++x, p += 3) {
      const Rgb& c = colours[greyOfIndex[from[x]]];
      p[0] = c.red;
      p[1] = c.green;
      p[2] = c.blue;
    }
  }
  return result;
}

}  // namespace

int GreyLevel(int red, int green, int blue) {
  return int(std::nearbyint(0.114 * blue + 0.587 * green + 0.299 * red));
}

QImage MakeBlackWhite(QImage picture, QRgb nearColour, QRgb farColour, int threshold) {
  if (picture.isNull()) return picture;
  threshold = std::clamp(threshold, 0, 255);
  if (picture.format() == QImage::Format_Indexed8)
    return SplitIndexed(picture, nearColour, farColour, threshold);
  // The loaders give 24 or 8 bits; anything else is taken as its 24-bit copy.
  if (picture.format() != QImage::Format_RGB888) {
    picture = picture.convertToFormat(QImage::Format_RGB888);
    if (picture.isNull()) return picture;
  }
  SplitRgb888(picture, nearColour, farColour, threshold);
  return picture;
}

}  // namespace scoreink

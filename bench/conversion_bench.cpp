// Pixel format conversion against a plain copy of the same 24-bit page, side by side: the
// blank page's size and an A4 scan at 600 dpi. A save converts the page to 8 bits, so the
// conversion should stay within a few copies of the page.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QRandomGenerator>
#include <cstring>
#include <vector>

#include "platform/raster/pixel_format.h"
#include "platform/raster/raster_convert.h"

namespace scoreink {
namespace {

// Something like a scanned score: paper of light grey noise, staff lines every 14 rows in
// groups of five, specks and note stems. A grey scan decodes to exact greys, even from a
// colour JPEG; tinted adds the slight colour of a colour scan to one pixel in eight.
QImage ScanLikePage(int w, int h, bool tinted) {
  QImage page(w, h, QImage::Format_RGB888);
  QRandomGenerator random(2024);
  for (int y = 0; y < h; ++y) {
    uchar* row = page.scanLine(y);
    const bool staffLine = (y / 14) % 8 < 5 && y % 14 == 0;
    for (int x = 0; x < w; ++x, row += 3) {
      const quint32 r = random.generate();
      int v = 232 + static_cast<int>(r & 15) + static_cast<int>((r >> 4) & 7);
      if (staffLine || (r >> 8) % 97 == 0) v = 30 + static_cast<int>((r >> 16) & 31);
      const bool tint = tinted && ((r >> 24) & 7) == 0;
      row[0] = static_cast<uchar>(std::min(255, v + (tint ? 2 : 0)));
      row[1] = static_cast<uchar>(v);
      row[2] = static_cast<uchar>(std::max(0, v - (tint ? 3 : 0)));
    }
  }
  for (int i = 0; i < w * h / 4000; ++i) {
    const int x = static_cast<int>(random.bounded(w - 2)), y0 = static_cast<int>(random.bounded(h));
    for (int y = y0; y < std::min(h, y0 + 40); ++y) std::memset(page.scanLine(y) + 3 * x, 20, 6);
  }
  return page;
}

// Pages by size and tint, made once.
const QImage& Page(const benchmark::State& state) {
  static QImage pages[2][2];
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const bool tinted = state.range(2) != 0;
  QImage& page = pages[w < 1000 ? 0 : 1][tinted ? 1 : 0];
  if (page.isNull()) page = ScanLikePage(w, h, tinted);
  return page;
}

void SetBytes(benchmark::State& state, const QImage& page) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * page.sizeInBytes());
}

void BM_Copy24BitPage(benchmark::State& state) {
  const QImage& page = Page(state);
  std::vector<uchar> copy(static_cast<size_t>(page.sizeInBytes()));
  for (auto _ : state) {
    std::memcpy(copy.data(), page.constBits(), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, page);
}

// As a save does it: the 8-bit page is a new picture.
void BM_Convert24To8(benchmark::State& state) {
  const QImage& page = Page(state);
  for (auto _ : state) {
    QImage converted = ConvertedTo(page, PixelFormat::Bits8);
    benchmark::DoNotOptimize(converted.constBits());
  }
  SetBytes(state, page);
}

// The conversion alone, into a page allocated beforehand (as the copy above).
void BM_Convert24To8Into(benchmark::State& state) {
  const QImage& page = Page(state);
  QImage converted = NewBitmap(page.width(), page.height(), PixelFormat::Bits8);
  for (auto _ : state) {
    raster::ConvertPixels(page, converted);
    benchmark::DoNotOptimize(converted.constBits());
    benchmark::ClobberMemory();
  }
  SetBytes(state, page);
}

// What a new 8-bit page costs before any pixel is converted: the allocation, whose fresh
// memory the system hands out page by page on first touch.
void BM_NewBlankPage8(benchmark::State& state) {
  const QImage& page = Page(state);
  for (auto _ : state) {
    QImage blank = NewBitmap(page.width(), page.height(), PixelFormat::Bits8);
    benchmark::DoNotOptimize(blank.constBits());
  }
  SetBytes(state, page);
}

// A 24-bit BMP reads back as 32 bits per pixel.
void BM_Convert32To8(benchmark::State& state) {
  const QImage page = Page(state).convertToFormat(QImage::Format_RGB32);
  for (auto _ : state) {
    QImage converted = ConvertedTo(page, PixelFormat::Bits8);
    benchmark::DoNotOptimize(converted.constBits());
  }
  SetBytes(state, page);
}

void BM_Convert8To24(benchmark::State& state) {
  const QImage page = ConvertedTo(Page(state), PixelFormat::Bits8);
  for (auto _ : state) {
    QImage converted = ConvertedTo(page, PixelFormat::Bits24);
    benchmark::DoNotOptimize(converted.constBits());
  }
  SetBytes(state, page);
}

// Arguments: width, height, tinted (0 grey scan, 1 colour scan).
#define SCOREINK_GREY_PAGES ->Args({770, 1101, 0})->Args({4960, 7016, 0})
#define SCOREINK_ALL_PAGES SCOREINK_GREY_PAGES->Args({770, 1101, 1})->Args({4960, 7016, 1})
BENCHMARK(BM_Copy24BitPage) SCOREINK_GREY_PAGES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert24To8) SCOREINK_ALL_PAGES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert24To8Into) SCOREINK_ALL_PAGES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewBlankPage8) SCOREINK_GREY_PAGES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert32To8) SCOREINK_ALL_PAGES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert8To24) SCOREINK_GREY_PAGES->Unit(benchmark::kMillisecond);
#undef SCOREINK_ALL_PAGES
#undef SCOREINK_GREY_PAGES

}  // namespace
}  // namespace scoreink

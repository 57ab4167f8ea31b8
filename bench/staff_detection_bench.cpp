// Finding the staves must not slow the opening of a score: detection on an A4 page scanned at
// 600 dpi, straight and bent with broken lines, beside one tight pass over the same bytes, in
// one run.
#include <benchmark/benchmark.h>

#include <emmintrin.h>
#include <QImage>
#include <cmath>
#include <cstdint>

#include "editing/staff/staff_detection.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

constexpr int kWidth = 4960;
constexpr int kHeight = 7016;
constexpr double kSpace = 41;  // an engraved staff at 600 dpi
constexpr int kThickness = 4;
constexpr double kSlope = 0.0087;  // half a degree of skew

// The scan as the score holds it once opened: 8 bits with the fixed palette, grey grainy
// paper, ten staves a little skewed (or sagging by up to bend rows in the middle of the page,
// their lines broken every so often), note heads with stems.
QImage DrawScan(double bend, bool broken) {
  QImage page = NewBitmap(kWidth, kHeight, PixelFormat::Bits8);
  const uchar greys[3] = {PaletteIndexFor(222, 222, 222), PaletteIndexFor(228, 228, 228),
                          PaletteIndexFor(234, 234, 234)};
  const uchar ink = PaletteIndexFor(30, 30, 30);
  std::uint32_t noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    uchar* row = page.scanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1664525u + 1013904223u;
      row[x] = greys[(noise >> 24) % 3];
    }
  }
  auto dot = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < kWidth && y < kHeight) page.scanLine(y)[x] = ink;
  };
  auto sag = [&](double x) {
    const double u = x / kWidth;
    return 4 * bend * u * (1 - u);
  };
  for (int staff = 0; staff < 10; ++staff) {
    const double top = 400 + staff * 650;
    for (int k = 0; k < 5; ++k)
      for (int x = 250; x < kWidth - 250; ++x)
        if (!broken || (x * 7 + k * 13) % 97 > 3)
          for (int t = 0; t < kThickness; ++t)
            dot(x, int(top + k * kSpace + kSlope * x + sag(x)) + t);
    for (int i = 0; i < 40; ++i) {
      const int cx = 400 + i * 110;
      const int cy = int(top + (i % 9) * kSpace / 2 + kSlope * cx + sag(cx));
      for (int dy = -20; dy <= 20; ++dy)
        for (int dx = -27; dx <= 27; ++dx)
          if (dx * dx * 400 + dy * dy * 729 <= 400 * 729) dot(cx + dx, cy + dy);
      for (int dy = 0; dy < 140; ++dy)
        for (int t = 0; t < kThickness; ++t) dot(cx + 24 + t, cy - dy);
    }
  }
  return page;
}

const QImage& Scan() {
  static const QImage scan = DrawScan(0, false);
  return scan;
}

const QImage& BentScan() {
  static const QImage scan = DrawScan(3 * kSpace, true);
  return scan;
}

void Detect(benchmark::State& state, const QImage& scan) {
  for (auto _ : state) {
    const StaffGeometry found = FindStaves(scan);
    if (found.staves.size() != 10) state.SkipWithError("not all ten staves were found");
    benchmark::DoNotOptimize(found.staffSpace);
  }
  state.SetBytesProcessed(state.iterations() * scan.sizeInBytes());
}

void BM_StaffDetectionA4At600Dpi(benchmark::State& state) {
  Detect(state, Scan());
}

void BM_StaffDetectionBentBrokenA4At600Dpi(benchmark::State& state) {
  Detect(state, BentScan());
}

// The least any look at the whole page costs: every byte read once, sixteen at a time, and
// folded into one register, with no call in the loop.
void BM_TightPassA4At600Dpi(benchmark::State& state) {
  const QImage& scan = Scan();
  for (auto _ : state) {
    __m128i folded = _mm_setzero_si128();
    std::uint64_t tail = 0;
    for (int y = 0; y < scan.height(); ++y) {
      const uchar* row = scan.constScanLine(y);
      int x = 0;
      for (; x + 16 <= scan.width(); x += 16)
        folded = _mm_or_si128(folded, _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x)));
      for (; x < scan.width(); ++x) tail |= row[x];
    }
    benchmark::DoNotOptimize(folded);
    benchmark::DoNotOptimize(tail);
  }
  state.SetBytesProcessed(state.iterations() * scan.sizeInBytes());
}

BENCHMARK(BM_StaffDetectionA4At600Dpi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StaffDetectionBentBrokenA4At600Dpi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TightPassA4At600Dpi)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink

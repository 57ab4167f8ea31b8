// The import's two-colour split of an A4 scan at 600 dpi beside a plain copy of the same
// 24-bit buffer: the split reads the page twice and writes it twice, so it should stay
// within a few copies.
#include <benchmark/benchmark.h>

#include <QImage>
#include <chrono>
#include <cstring>
#include <vector>

#include "bench/bench_support.h"
#include "dialogs/core/black_white.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

constexpr int kScanWidth = 4960;
constexpr int kScanHeight = 7016;

const QImage& Scan24() {
  static const QImage scan =
      ConvertedTo(bench::PaperPage8(kScanWidth, kScanHeight, true), PixelFormat::Bits24);
  return scan;
}

void SetBytes(benchmark::State& state, const QImage& page) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * page.sizeInBytes());
}

void BM_CopyScan24(benchmark::State& state) {
  const QImage& scan = Scan24();
  std::vector<uchar> copy(static_cast<size_t>(scan.sizeInBytes()));
  for (auto _ : state) {
    std::memcpy(copy.data(), scan.constBits(), copy.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, scan);
}

// In place, as the import does it with the picture it has just read. Each round starts from
// a fresh copy of the scan, made outside the time measured (the wall time of the split alone;
// pausing the benchmark's own clock costs more than the split's margins).
void BM_MakeBlackWhiteScan24(benchmark::State& state) {
  const QImage& scan = Scan24();
  QImage work = scan.copy();
  for (auto _ : state) {
    std::memcpy(work.bits(), scan.constBits(), static_cast<size_t>(scan.sizeInBytes()));
    const auto start = std::chrono::steady_clock::now();
    work = MakeBlackWhite(std::move(work), kWhite, kBlack, 60);
    benchmark::DoNotOptimize(work.constBits());
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  SetBytes(state, scan);
}

BENCHMARK(BM_CopyScan24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeBlackWhiteScan24)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink

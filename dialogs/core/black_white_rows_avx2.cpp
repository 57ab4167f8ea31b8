// The AVX2 forms of the split's row kernels: 32 pixels a step, each 128-bit lane holding 16
// pixels (48 bytes), so that the byte shuffles never cross a lane.
#include <algorithm>
#include <cstring>

#include "dialogs/core/black_white.h"
#include "dialogs/core/black_white_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SCOREINK_AVX2 __attribute__((target("avx2")))
#endif

namespace scoreink::black_white {

#ifdef SCOREINK_AVX2

namespace {

// A byte shuffle control, the same in both lanes.
#define LANES(...) _mm256_setr_epi8(__VA_ARGS__, __VA_ARGS__)
#define Z -1

// Red, green and blue of 16 pixels gathered from the three 16-byte parts of a lane.
SCOREINK_AVX2 inline __m256i Gather(__m256i a, __m256i b, __m256i c, __m256i fromA, __m256i fromB,
                                    __m256i fromC) {
  return _mm256_or_si256(
      _mm256_or_si256(_mm256_shuffle_epi8(a, fromA), _mm256_shuffle_epi8(b, fromB)),
      _mm256_shuffle_epi8(c, fromC));
}

// Greys of 16 pixels (8 in each lane) from their red, green and blue as 16-bit numbers, and
// which of them sit at an exact half (all ones there).
SCOREINK_AVX2 inline void GreysOf(__m256i r, __m256i g, __m256i b, __m256i& greys,
                                  __m256i& halves) {
  // Pairs (red, green) and (blue, 500) weighed in one multiply-add each: 299 red + 587 green
  // + 114 blue + 500, the thousandfold grey rounded half up.
  const __m256i redGreenWeights = _mm256_set1_epi32(587 << 16 | 299);
  const __m256i blueWeights = _mm256_set1_epi32(1 << 16 | 114);
  const __m256i half = _mm256_set1_epi16(500);
  const __m256i lowBits = _mm256_set1_epi32(7);
  // n div 125 for n < 32768 is (n * 33555) >> 22: the grey is (u >> 3) div 125.
  const __m256i by125 = _mm256_set1_epi16(short(33555));
  const __m256i c125 = _mm256_set1_epi16(125);
  const __m256i u0 =
      _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpacklo_epi16(r, g), redGreenWeights),
                       _mm256_madd_epi16(_mm256_unpacklo_epi16(b, half), blueWeights));
  const __m256i u1 =
      _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpackhi_epi16(r, g), redGreenWeights),
                       _mm256_madd_epi16(_mm256_unpackhi_epi16(b, half), blueWeights));
  const __m256i n = _mm256_packs_epi32(_mm256_srli_epi32(u0, 3), _mm256_srli_epi32(u1, 3));
  const __m256i low =
      _mm256_packs_epi32(_mm256_and_si256(u0, lowBits), _mm256_and_si256(u1, lowBits));
  greys = _mm256_srli_epi16(_mm256_mulhi_epu16(n, by125), 6);
  // u a multiple of 1000: the grey sum was an exact half.
  halves = _mm256_and_si256(_mm256_cmpeq_epi16(low, _mm256_setzero_si256()),
                            _mm256_cmpeq_epi16(_mm256_mullo_epi16(greys, c125), n));
}

// Greys of the 32 pixels of a step whose bytes start at q, from their red, green and blue.
SCOREINK_AVX2 inline __m256i Greys32(__m256i red, __m256i green, __m256i blue, const uchar* q) {
  const __m256i zero = _mm256_setzero_si256();
  __m256i greysLow, halvesLow, greysHigh, halvesHigh;
  GreysOf(_mm256_unpacklo_epi8(red, zero), _mm256_unpacklo_epi8(green, zero),
          _mm256_unpacklo_epi8(blue, zero), greysLow, halvesLow);
  GreysOf(_mm256_unpackhi_epi8(red, zero), _mm256_unpackhi_epi8(green, zero),
          _mm256_unpackhi_epi8(blue, zero), greysHigh, halvesHigh);
  const __m256i greys = _mm256_packus_epi16(greysLow, greysHigh);
  const unsigned halves = unsigned(_mm256_movemask_epi8(_mm256_packs_epi16(halvesLow, halvesHigh)));
  if (!halves) [[likely]]
    return greys;
  alignas(32) uchar fixed[32];
  _mm256_store_si256(reinterpret_cast<__m256i*>(fixed), greys);
  for (int i = 0; i < 32; ++i)
    if (halves >> i & 1) fixed[i] = uchar(GreyLevel(q[3 * i], q[3 * i + 1], q[3 * i + 2]));
  return _mm256_load_si256(reinterpret_cast<const __m256i*>(fixed));
}

// 16 bytes in both lanes.
SCOREINK_AVX2 inline __m256i BothLanes(const uchar* bytes) {
  return _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(bytes)));
}

}  // namespace

SCOREINK_AVX2 int GreyRowAvx2(uchar* row, int w) {
  const __m256i redA = LANES(0, 3, 6, 9, 12, 15, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z);
  const __m256i redB = LANES(Z, Z, Z, Z, Z, Z, 2, 5, 8, 11, 14, Z, Z, Z, Z, Z);
  const __m256i redC = LANES(Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, 1, 4, 7, 10, 13);
  const __m256i greenA = LANES(1, 4, 7, 10, 13, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z);
  const __m256i greenB = LANES(Z, Z, Z, Z, Z, 0, 3, 6, 9, 12, 15, Z, Z, Z, Z, Z);
  const __m256i greenC = LANES(Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, 2, 5, 8, 11, 14);
  const __m256i blueA = LANES(2, 5, 8, 11, 14, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, Z);
  const __m256i blueB = LANES(Z, Z, Z, Z, Z, 1, 4, 7, 10, 13, Z, Z, Z, Z, Z, Z);
  const __m256i blueC = LANES(Z, Z, Z, Z, Z, Z, Z, Z, Z, Z, 0, 3, 6, 9, 12, 15);
  __m256i darkest = _mm256_set1_epi8(-1);
  int x = 0;
  for (; x + 32 <= w; x += 32) {
    const uchar* q = row + 3 * x;
    const auto* lo = reinterpret_cast<const __m128i*>(q);
    const auto* hi = reinterpret_cast<const __m128i*>(q + 48);
    const __m256i a = _mm256_loadu2_m128i(hi, lo);
    const __m256i b = _mm256_loadu2_m128i(hi + 1, lo + 1);
    const __m256i c = _mm256_loadu2_m128i(hi + 2, lo + 2);
    const __m256i red = Gather(a, b, c, redA, redB, redC);
    const __m256i green = Gather(a, b, c, greenA, greenB, greenC);
    const __m256i blue = Gather(a, b, c, blueA, blueB, blueC);
    const __m256i sameness =
        _mm256_and_si256(_mm256_cmpeq_epi8(red, green), _mm256_cmpeq_epi8(green, blue));
    // A grey scan: every pixel its own grey, since the weights add up to one.
    const __m256i greys = _mm256_movemask_epi8(sameness) == -1 ? red : Greys32(red, green, blue, q);
    darkest = _mm256_min_epu8(darkest, greys);
    // Bytes x .. x + 31 belong to pixels that have all been read by now.
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + x), greys);
  }
  alignas(32) uchar lanes[32];
  _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), darkest);
  const int vectorDarkest = *std::min_element(lanes, lanes + 32);
  return std::min(vectorDarkest, GreyPixels(row, x, w));
}

SCOREINK_AVX2 qint64 ColourRowAvx2(uchar* row, int w, int bound, Rgb nearRgb, Rgb diff,
                                   uchar* greys) {
  std::memcpy(greys, row, size_t(w));
  // The 48 bytes of 16 pixels in near colours, and what turns them into far colours.
  alignas(16) uchar nearBytes[48], diffBytes[48];
  for (int i = 0; i < 48; i += 3) {
    std::memcpy(nearBytes + i, &nearRgb, 3);
    std::memcpy(diffBytes + i, &diff, 3);
  }
  const __m256i near0 = BothLanes(nearBytes), near1 = BothLanes(nearBytes + 16),
                near2 = BothLanes(nearBytes + 32);
  const __m256i diff0 = BothLanes(diffBytes), diff1 = BothLanes(diffBytes + 16),
                diff2 = BothLanes(diffBytes + 32);
  // Each pixel's mask byte three times over.
  const __m256i spread0 = LANES(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);
  const __m256i spread1 = LANES(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);
  const __m256i spread2 = LANES(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15);
  const __m256i limit = _mm256_set1_epi8(char(uchar(bound)));
  qint64 nearCount = 0;
  int x = 0;
  for (; x + 32 <= w; x += 32) {
    const __m256i g = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(greys + x));
    const __m256i isNear = _mm256_cmpeq_epi8(_mm256_min_epu8(g, limit), g);
    nearCount += __builtin_popcount(unsigned(_mm256_movemask_epi8(isNear)));
    const __m256i far = _mm256_xor_si256(isNear, _mm256_set1_epi8(-1));
    auto* lo = reinterpret_cast<__m128i*>(row + 3 * x);
    auto* hi = reinterpret_cast<__m128i*>(row + 3 * x + 48);
    const __m256i out0 =
        _mm256_xor_si256(near0, _mm256_and_si256(_mm256_shuffle_epi8(far, spread0), diff0));
    const __m256i out1 =
        _mm256_xor_si256(near1, _mm256_and_si256(_mm256_shuffle_epi8(far, spread1), diff1));
    const __m256i out2 =
        _mm256_xor_si256(near2, _mm256_and_si256(_mm256_shuffle_epi8(far, spread2), diff2));
    _mm256_storeu2_m128i(hi, lo, out0);
    _mm256_storeu2_m128i(hi + 1, lo + 1, out1);
    _mm256_storeu2_m128i(hi + 2, lo + 2, out2);
  }
  return nearCount + ColourPixels(row, greys, x, w, bound, nearRgb, diff);
}

bool CpuHasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

#else  // no AVX2 on this processor family: the portable forms stand in.

int GreyRowAvx2(uchar* row, int w) {
  return GreyRowPortable(row, w);
}

qint64 ColourRowAvx2(uchar* row, int w, int bound, Rgb nearRgb, Rgb diff, uchar* greys) {
  return ColourRowPortable(row, w, bound, nearRgb, diff, greys);
}

bool CpuHasAvx2() {
  return false;
}

#endif

}  // namespace scoreink::black_white

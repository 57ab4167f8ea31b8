#include "platform/raster/raster_index_rows.h"

#include <array>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define SCOREINK_VECTOR_PATHS 1
#endif

namespace scoreink::raster {
namespace {

// Pixel formats by the byte order of one pixel in memory.
struct Rgb888 {
  static constexpr int kBytes = 3;
  static int Key(const uchar* p) { return ColorLookup::Key(p[0], p[1], p[2]); }
};
struct Rgb32 {  // 0xAARRGGBB stored little-endian: blue, green, red, alpha
  static constexpr int kBytes = 4;
  static int Key(const uchar* p) { return ColorLookup::Key(p[2], p[1], p[0]); }
};

template <class Format>
void IndexPortable(const uchar* in, uchar* out, int width, const uchar* entries) {
  for (int x = 0; x < width; ++x, in += Format::kBytes) out[x] = entries[Format::Key(in)];
}

#ifdef SCOREINK_VECTOR_PATHS

// --- AVX2: keys of eight pixels in 32-bit lanes, looked up with one gather. ---

// Keys of eight pixels held as 0x00BBGGRR (Rgb888) or 0xAARRGGBB (Rgb32) in 32-bit lanes,
// the same keys as ColorLookup::Key.
template <class Format>
__attribute__((target("avx2"))) inline __m256i Keys(__m256i v) {
  constexpr bool redFirst = Format::kBytes == 3;
  const __m256i first = _mm256_and_si256(v, _mm256_set1_epi32(0xFC));      // byte 0
  const __m256i second = _mm256_and_si256(v, _mm256_set1_epi32(0xFC00));   // byte 1
  const __m256i third = _mm256_and_si256(v, _mm256_set1_epi32(0xFC0000));  // byte 2
  const __m256i red = redFirst ? _mm256_slli_epi32(first, 10) : _mm256_srli_epi32(third, 6);
  const __m256i blue = redFirst ? _mm256_srli_epi32(third, 18) : _mm256_srli_epi32(first, 2);
  const __m256i bucket = _mm256_or_si256(_mm256_or_si256(red, _mm256_srli_epi32(second, 4)), blue);
  // Grey when byte 0 equals byte 1 and byte 1 equals byte 2.
  const __m256i diff = _mm256_xor_si256(v, _mm256_srli_epi32(v, 8));
  const __m256i grey =
      _mm256_cmpeq_epi32(_mm256_and_si256(diff, _mm256_set1_epi32(0xFFFF)), _mm256_setzero_si256());
  const __m256i greyKey = _mm256_add_epi32(_mm256_and_si256(v, _mm256_set1_epi32(0xFF)),
                                           _mm256_set1_epi32(ColorLookup::kFirstGreyKey));
  return _mm256_blendv_epi8(bucket, greyKey, grey);
}

// Looks eight keys up and stores the eight index bytes.
__attribute__((target("avx2"))) inline void StoreEight(__m256i keys, const uchar* entries,
                                                       uchar* out) {
  const __m256i words = _mm256_i32gather_epi32(reinterpret_cast<const int*>(entries), keys, 1);
  const __m256i lowBytes = _mm256_shuffle_epi8(
      words, _mm256_setr_epi8(0, 4, 8, 12, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 4, 8,
                              12, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1));
  const __m256i packed =
      _mm256_permutevar8x32_epi32(lowBytes, _mm256_setr_epi32(0, 4, 1, 1, 1, 1, 1, 1));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(packed));
}

// Eight pixels from in; reads 32 bytes.
template <class Format>
__attribute__((target("avx2"))) inline void IndexEight(const uchar* in, uchar* out,
                                                       const uchar* entries) {
  __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
  if constexpr (Format::kBytes == 3) {
    // Pixels 0-3 to the low lane, 4-7 to the high one, each as 0x00BBGGRR.
    v = _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(0, 1, 2, 3, 3, 4, 5, 6));
    v = _mm256_shuffle_epi8(
        v, _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, 0, 1, 2, -1, 3, 4,
                            5, -1, 6, 7, 8, -1, 9, 10, 11, -1));
  }
  StoreEight(Keys<Format>(v), entries, out);
}

// Eight pixels at x, in vector steps only where their 32-byte read stays inside the row.
template <class Format>
__attribute__((target("avx2"))) inline void IndexEightAt(const uchar* in, uchar* out, int x,
                                                         int width, const uchar* entries) {
  if ((x + 8) * Format::kBytes + (32 - 8 * Format::kBytes) <= width * Format::kBytes) {
    IndexEight<Format>(in + Format::kBytes * x, out + x, entries);
  } else {
    IndexPortable<Format>(in + Format::kBytes * x, out + x, 8, entries);
  }
}

template <class Format>
__attribute__((target("avx2"))) void IndexAvx2(const uchar* in, uchar* out, int width,
                                               const uchar* entries) {
  int x = 0;
  for (; x + 8 <= width; x += 8) IndexEightAt<Format>(in, out, x, width, entries);
  IndexPortable<Format>(in + Format::kBytes * x, out + x, width - x, entries);
}

// --- AVX-512 VBMI: 64 pixels at a time; greys by byte permutes, the rest as above. ---

// Byte permutes that gather one channel of 64 pixels from their bytes: positions below 128
// come from the first two registers, the others from the last two.
struct ChannelPermute {
  std::array<uchar, 64> low, high;
  unsigned long long fromHigh;
};

template <class Format>
constexpr ChannelPermute MakeChannelPermute(int channel) {
  ChannelPermute permute{};
  for (int j = 0; j < 64; ++j) {
    const int at = Format::kBytes * j + channel;
    permute.low[j] = static_cast<uchar>(at & 127);
    permute.high[j] = static_cast<uchar>((at - 128) & 127);
    if (at >= 128) permute.fromHigh |= 1ULL << j;
  }
  return permute;
}

template <class Format>
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) inline __m512i Channel(
    const ChannelPermute& permute, __m512i a, __m512i b, __m512i c, __m512i d) {
  const __m512i low = _mm512_permutex2var_epi8(a, _mm512_loadu_si512(permute.low.data()), b);
  const __m512i high = _mm512_permutex2var_epi8(c, _mm512_loadu_si512(permute.high.data()), d);
  return _mm512_mask_blend_epi8(permute.fromHigh, low, high);
}

template <class Format>
__attribute__((target("avx512f,avx512bw,avx512vbmi,avx2"))) void IndexAvx512(const uchar* in,
                                                                             uchar* out, int width,
                                                                             const uchar* entries) {
  static constexpr ChannelPermute kPermutes[3] = {
      MakeChannelPermute<Format>(0), MakeChannelPermute<Format>(1), MakeChannelPermute<Format>(2)};
  const uchar* greys = entries + ColorLookup::kFirstGreyKey;
  const __m512i grey0 = _mm512_loadu_si512(greys), grey1 = _mm512_loadu_si512(greys + 64);
  const __m512i grey2 = _mm512_loadu_si512(greys + 128), grey3 = _mm512_loadu_si512(greys + 192);
  constexpr int kBlockBytes = 64 * Format::kBytes;
  constexpr int kFewPixels = 20;
  int x = 0;
  for (; x + 64 <= width; x += 64) {
    const uchar* p = in + Format::kBytes * x;
    const __m512i a = _mm512_loadu_si512(p), b = _mm512_loadu_si512(p + 64);
    const __m512i c = _mm512_loadu_si512(p + 128);
    const __m512i d = kBlockBytes > 192 ? _mm512_loadu_si512(p + 192) : c;
    const __m512i first = Channel<Format>(kPermutes[0], a, b, c, d);
    const __m512i second = Channel<Format>(kPermutes[1], a, b, c, d);
    const __m512i third = Channel<Format>(kPermutes[2], a, b, c, d);
    // Every pixel as if it were grey: the 256 grey entries looked up 128 at a time.
    const __m512i lower = _mm512_permutex2var_epi8(grey0, first, grey1);
    const __m512i upper = _mm512_permutex2var_epi8(grey2, first, grey3);
    const __m512i asGrey = _mm512_mask_blend_epi8(_mm512_movepi8_mask(first), lower, upper);
    // Then the pixels that are not grey: one by one while they are few (a grey scan), by
    // gathers of eight when they are many (a colour picture).
    unsigned long long other =
        ~(_mm512_cmpeq_epi8_mask(first, second) & _mm512_cmpeq_epi8_mask(second, third));
    if (other == 0) {
      _mm512_storeu_si512(out + x, asGrey);
    } else if (__builtin_popcountll(other) > kFewPixels) {
      for (int k = 0; k < 64; k += 8) IndexEightAt<Format>(in, out, x + k, width, entries);
    } else {
      // Mended in a block on the stack and stored once.
      alignas(64) uchar block[64];
      _mm512_store_si512(block, asGrey);
      for (; other != 0; other &= other - 1) {
        const int j = __builtin_ctzll(other);
        block[j] = entries[Format::Key(p + Format::kBytes * j)];
      }
      _mm512_storeu_si512(out + x, _mm512_load_si512(block));
    }
  }
  IndexAvx2<Format>(in + Format::kBytes * x, out + x, width - x, entries);
}

#endif  // SCOREINK_VECTOR_PATHS

template <class Format>
void IndexRow(RowPath path, const uchar* in, uchar* out, int width, const ColorLookup& lookup) {
  const uchar* entries = lookup.entries.data();
#ifdef SCOREINK_VECTOR_PATHS
  if (path == RowPath::Avx512Vbmi) return IndexAvx512<Format>(in, out, width, entries);
  if (path == RowPath::Avx2) return IndexAvx2<Format>(in, out, width, entries);
#endif
  (void)path;
  IndexPortable<Format>(in, out, width, entries);
}

RowPath BestPath() {
  static const RowPath best = RowPathAvailable(RowPath::Avx512Vbmi) ? RowPath::Avx512Vbmi
                              : RowPathAvailable(RowPath::Avx2)     ? RowPath::Avx2
                                                                    : RowPath::Portable;
  return best;
}

}  // namespace

bool RowPathAvailable(RowPath path) {
  switch (path) {
    case RowPath::Portable:
      return true;
#ifdef SCOREINK_VECTOR_PATHS
    case RowPath::Avx2:
      return __builtin_cpu_supports("avx2");
    case RowPath::Avx512Vbmi:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512f") &&
             __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
#endif
    default:
      return false;
  }
}

void IndexRgb888Row(RowPath path, const uchar* in, uchar* out, int width,
                    const ColorLookup& lookup) {
  IndexRow<Rgb888>(path, in, out, width, lookup);
}

void IndexRgb32Row(RowPath path, const QRgb* in, uchar* out, int width, const ColorLookup& lookup) {
  IndexRow<Rgb32>(path, reinterpret_cast<const uchar*>(in), out, width, lookup);
}

void IndexRgb888Row(const uchar* in, uchar* out, int width, const ColorLookup& lookup) {
  IndexRow<Rgb888>(BestPath(), in, out, width, lookup);
}

void IndexRgb32Row(const QRgb* in, uchar* out, int width, const ColorLookup& lookup) {
  IndexRow<Rgb32>(BestPath(), reinterpret_cast<const uchar*>(in), out, width, lookup);
}

std::array<uchar, 256> IndexMapOf(const QList<QRgb>& table, const ColorLookup& lookup) {
  std::array<uchar, 256> map;
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
    map[size_t(i)] = lookup(qRed(c), qGreen(c), qBlue(c));
  }
  return map;
}

}  // namespace scoreink::raster

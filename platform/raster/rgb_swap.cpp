#include "platform/raster/rgb_swap.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SCOREINK_HAS_SSSE3_PATH 1
#endif

namespace scoreink {

namespace {

void SwapScalar(const uchar* src, uchar* dst, qint64 bytes) {
  for (qint64 i = 0; i + 2 < bytes; i += 3) {
    const uchar first = src[i];
    dst[i] = src[i + 2];
    dst[i + 1] = src[i + 1];
    dst[i + 2] = first;
  }
}

#ifdef SCOREINK_HAS_SSSE3_PATH
// Five pixels (15 bytes) per 16-byte load; the sixteenth byte is stored back unchanged, so
// the next step, which starts on it, still reads the source value, even in place.
__attribute__((target("ssse3"))) qint64 SwapSsse3(const uchar* src, uchar* dst, qint64 bytes) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
  qint64 i = 0;
  for (; i + 16 <= bytes; i += 15) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_shuffle_epi8(v, order));
  }
  return i;
}

bool HasSsse3() {
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
}
#endif

}  // namespace

void CopySwappingRedBlue(const uchar* src, uchar* dst, qint64 pixels) {
  const qint64 bytes = pixels * 3;
  qint64 done = 0;
#ifdef SCOREINK_HAS_SSSE3_PATH
  if (HasSsse3()) done = SwapSsse3(src, dst, bytes);
#endif
  SwapScalar(src + done, dst + done, bytes - done);
}

}  // namespace scoreink

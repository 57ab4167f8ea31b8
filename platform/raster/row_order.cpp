#include "platform/raster/row_order.h"

#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace scoreink {

namespace {

// Exchanges two rows sixteen bytes at a time: about twice as fast as three copies through a
// spare row, which matters because every bottom-up file is turned round this way.
void SwapRows(uchar* a, uchar* b, qint64 bytes) {
  qint64 i = 0;
#ifdef __SSE2__
  for (; i + 16 <= bytes; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(a + i), y);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(b + i), x);
  }
#endif
  for (; i < bytes; ++i) std::swap(a[i], b[i]);
}

}  // namespace

void ReverseRowOrder(uchar* rows, qint64 count, qint64 stride) {
  for (qint64 top = 0, bottom = count - 1; top < bottom; ++top, --bottom)
    SwapRows(rows + top * stride, rows + bottom * stride, stride);
}

}  // namespace scoreink

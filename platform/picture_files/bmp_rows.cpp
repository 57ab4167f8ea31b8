#include "platform/picture_files/bmp_rows.h"

#include <cstring>

#include "platform/raster/rgb_swap.h"

namespace scoreink {

void ExpandBmpRow(int bitCount, const uchar* in, uchar* out, int width, const QList<QRgb>& table) {
  switch (bitCount) {
    case 1:  // the leftmost pixel in the highest bit
      for (int x = 0; x < width; ++x, out += 3) {
        const QRgb c = table[(in[x >> 3] >> (7 - (x & 7))) & 1];
        out[0] = uchar(qRed(c));
        out[1] = uchar(qGreen(c));
        out[2] = uchar(qBlue(c));
      }
      break;
    case 4:
      for (int x = 0; x < width; ++x) out[x] = x & 1 ? in[x >> 1] & 0x0F : in[x >> 1] >> 4;
      break;
    case 8:
      std::memcpy(out, in, size_t(width));
      break;
    case 16:
      for (int x = 0; x < width; ++x, in += 2, out += 3) {
        const int v = in[0] | (in[1] << 8);
        out[0] = uchar(((v >> 10) & 0x1F) << 3);
        out[1] = uchar(((v >> 5) & 0x1F) << 3);
        out[2] = uchar((v & 0x1F) << 3);
      }
      break;
    case 24:
      CopySwappingRedBlue(in, out, width);
      break;
    case 32:
      for (int x = 0; x < width; ++x, in += 4, out += 3) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
      }
      break;
    default:
      break;
  }
}

}  // namespace scoreink

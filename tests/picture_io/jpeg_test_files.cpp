#include "jpeg_test_files.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace scoreink::test {

namespace {

// What each variant stores for one pixel, and how many samples that takes.
int ComponentsOf(JpegVariant variant) {
  switch (variant) {
    case JpegVariant::Grey:
      return 1;
    case JpegVariant::PlainCmyk:
    case JpegVariant::AdobeCmyk:
    case JpegVariant::AdobeYcck:
      return 4;
    default:
      return 3;
  }
}

void Samples(QRgb c, JpegVariant variant, JSAMPLE* out) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  switch (variant) {
    case JpegVariant::Grey:
      out[0] = JSAMPLE(qGray(c));
      return;
    case JpegVariant::PlainCmyk: {  // amounts of ink, with some black
      const int k = 255 - std::max({r, g, b});
      const int scale = 255 - k;
      out[0] = JSAMPLE(scale ? (scale - r) * 255 / scale : 0);
      out[1] = JSAMPLE(scale ? (scale - g) * 255 / scale : 0);
      out[2] = JSAMPLE(scale ? (scale - b) * 255 / scale : 0);
      out[3] = JSAMPLE(k);
      return;
    }
    case JpegVariant::AdobeCmyk:
    case JpegVariant::AdobeYcck: {  // Adobe stores 255 - ink
      const int k = 255 - std::max({r, g, b});
      const int scale = 255 - k;
      out[0] = JSAMPLE(scale ? r * 255 / scale : 255);
      out[1] = JSAMPLE(scale ? g * 255 / scale : 255);
      out[2] = JSAMPLE(scale ? b * 255 / scale : 255);
      out[3] = JSAMPLE(255 - k);
      return;
    }
    default:
      out[0] = JSAMPLE(r);
      out[1] = JSAMPLE(g);
      out[2] = JSAMPLE(b);
  }
}

}  // namespace

QByteArray EncodeTestJpeg(const QImage& rgb, JpegVariant variant, int quality) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);  // test data: libjpeg's own exit on error is fine
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  const int components = ComponentsOf(variant);
  cinfo.image_width = JDIMENSION(rgb.width());
  cinfo.image_height = JDIMENSION(rgb.height());
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : (components == 4 ? JCS_CMYK : JCS_RGB);
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (variant == JpegVariant::AdobeYcck) jpeg_set_colorspace(&cinfo, JCS_YCCK);
  if (variant == JpegVariant::PlainCmyk) cinfo.write_Adobe_marker = FALSE;
  if (variant == JpegVariant::Progressive444)
    for (int c = 0; c < cinfo.num_components; ++c)
      cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
  if (variant == JpegVariant::Progressive || variant == JpegVariant::Progressive444)
    jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(size_t(rgb.width()) * components);
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x)
      Samples(rgb.pixel(x, y), variant, row.data() + size_t(x) * components);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
  std::free(buffer);
  return bytes;
}

QByteArray WithFirstScanRepeated(const QByteArray& progressive, int times) {
  const qsizetype firstScan = progressive.indexOf("\xFF\xDA");
  // The scan's data ends at the first marker that is neither a stuffed 0xFF nor a restart.
  qsizetype next = firstScan + 2;
  while (next + 1 < progressive.size()) {
    const uchar code = uchar(progressive[next + 1]);
    if (uchar(progressive[next]) == 0xFF && code != 0 && (code < 0xD0 || code > 0xD7)) break;
    ++next;
  }
  const QByteArray scan = progressive.mid(firstScan, next - firstScan);
  const qsizetype end = progressive.lastIndexOf("\xFF\xD9");
  return progressive.left(end) + scan.repeated(times) + progressive.mid(end);
}

QByteArray WithFrameSize(const QByteArray& jpeg, int width, int height) {
  QByteArray bytes = jpeg;
  int sof = MarkerOffset(bytes, 0xC0);
  if (sof < 0) sof = MarkerOffset(bytes, 0xC2);
  bytes[sof + 5] = char(height >> 8);
  bytes[sof + 6] = char(height);
  bytes[sof + 7] = char(width >> 8);
  bytes[sof + 8] = char(width);
  return bytes;
}

int MarkerOffset(const QByteArray& jpeg, uchar code) {
  // Walks the marker segments of the header; the entropy-coded data is not searched.
  int at = 2;
  while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF) {
    const uchar marker = uchar(jpeg[at + 1]);
    if (marker == code) return at;
    if (marker == 0xDA) return -1;
    at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
  }
  return -1;
}

ColorDifference DifferenceOf(const QImage& a, const QImage& b) {
  qint64 total = 0;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
        total += std::abs(d);
        largest = std::max(largest, std::abs(d));
      }
    }
  }
  return ColorDifference{double(total) / (3.0 * a.width() * a.height()), largest};
}

}  // namespace scoreink::test

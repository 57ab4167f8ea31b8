#include "platform/picture_files/pdf_image.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace scoreink {

namespace {

enum class Samples { Grey, Indexed, Rgb };

constexpr uchar kPaper = 255;

bool Drawn(const uchar* maskRow, int x) {
  return !maskRow || (maskRow[x >> 3] & (0x80 >> (x & 7)));
}

const uchar* MaskRow(const QImage& mask, int y) {
  return mask.isNull() ? nullptr : mask.constScanLine(y);
}

// 256 entries whatever the picture's table holds: Qt shows an index beyond it as black.
std::array<QRgb, 256> FullTable(const QImage& pixels) {
  std::array<QRgb, 256> table;
  table.fill(qRgb(0, 0, 0));
  const QList<QRgb> own = pixels.colorTable();
  for (int i = 0; i < own.size() && i < 256; ++i) table[size_t(i)] = own[i];
  return table;
}

bool Grey(QRgb c) {
  return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

// Grey when every pixel drawn is grey: a score with its fixed palette mostly is.
Samples SamplesFor(const QImage& pixels, const QImage& mask) {
  if (pixels.format() == QImage::Format_Grayscale8) return Samples::Grey;
  const bool indexed = pixels.format() == QImage::Format_Indexed8;
  std::array<bool, 256> used{};
  for (int y = 0; y < pixels.height(); ++y) {
    const uchar* in = pixels.constScanLine(y);
    const uchar* m = MaskRow(mask, y);
    for (int x = 0; x < pixels.width(); ++x) {
      if (!Drawn(m, x)) continue;
      if (indexed)
        used[in[x]] = true;
      else if (in[3 * x] != in[3 * x + 1] || in[3 * x + 1] != in[3 * x + 2])
        return Samples::Rgb;
    }
  }
  if (!indexed) return Samples::Grey;
  const std::array<QRgb, 256> table = FullTable(pixels);
  for (size_t i = 0; i < 256; ++i)
    if (used[i] && !Grey(table[i])) return Samples::Indexed;
  return Samples::Grey;
}

void WriteRows(Pipeline* out, const QImage& pixels, const QImage& mask, Samples samples) {
  const int width = pixels.width();
  const size_t perPixel = samples == Samples::Rgb ? 3 : 1;
  std::vector<uchar> row(size_t(width) * perPixel);
  std::array<uchar, 256> greyOf{};
  const std::array<QRgb, 256> table = FullTable(pixels);
  for (size_t i = 0; i < 256; ++i) greyOf[i] = uchar(qRed(table[i]));
  const bool indexed = pixels.format() == QImage::Format_Indexed8;
  const bool grey8 = pixels.format() == QImage::Format_Grayscale8;
  for (int y = 0; y < pixels.height(); ++y) {
    const uchar* in = pixels.constScanLine(y);
    const uchar* m = MaskRow(mask, y);
    for (int x = 0; x < width; ++x) {
      const bool drawn = Drawn(m, x);
      if (samples == Samples::Rgb) {
        for (int c = 0; c < 3; ++c) row[3 * size_t(x) + size_t(c)] = drawn ? in[3 * x + c] : kPaper;
      } else if (samples == Samples::Indexed) {
        row[size_t(x)] = drawn ? in[x] : 0;
      } else {
        row[size_t(x)] = !drawn ? kPaper : indexed ? greyOf[in[x]] : grey8 ? in[x] : in[3 * x];
      }
    }
    out->write(row.data(), row.size());
  }
  out->finish();
}

// A stencil draws where its sample is 0: the mask's bits inverted, the bits past the width
// of each row left out.
void WriteStencilRows(Pipeline* out, const QImage& mask) {
  const int width = mask.width();
  std::vector<uchar> row(size_t((width + 7) / 8));
  for (int y = 0; y < mask.height(); ++y) {
    const uchar* m = mask.constScanLine(y);
    for (size_t i = 0; i < row.size(); ++i) row[i] = uchar(~m[i]);
    if (width % 8) row.back() |= uchar(0xFF >> (width % 8));
    out->write(row.data(), row.size());
  }
  out->finish();
}

QPDFObjectHandle ImageDictionary(int width, int height) {
  QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
  dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
  dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
  dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
  dict.replaceKey("/Height", QPDFObjectHandle::newInteger(height));
  return dict;
}

QPDFObjectHandle IndexedColourSpace(const QImage& pixels) {
  std::string lookup;
  for (const QRgb c : FullTable(pixels)) {
    lookup.push_back(char(qRed(c)));
    lookup.push_back(char(qGreen(c)));
    lookup.push_back(char(qBlue(c)));
  }
  QPDFObjectHandle space = QPDFObjectHandle::newArray();
  space.appendItem(QPDFObjectHandle::newName("/Indexed"));
  space.appendItem(QPDFObjectHandle::newName("/DeviceRGB"));
  space.appendItem(QPDFObjectHandle::newInteger(255));
  space.appendItem(QPDFObjectHandle::newString(lookup));
  return space;
}

QPDFObjectHandle ColourSpace(Samples samples, const QImage& pixels) {
  switch (samples) {
    case Samples::Grey:
      return QPDFObjectHandle::newName("/DeviceGray");
    case Samples::Rgb:
      return QPDFObjectHandle::newName("/DeviceRGB");
    case Samples::Indexed:
      break;
  }
  return IndexedColourSpace(pixels);
}

// Stream data without a filter: qpdf's writer compresses it with Flate as it writes.
QPDFObjectHandle StreamOf(QPDF& pdf, QPDFObjectHandle dict,
                          std::function<void(Pipeline*)> provide) {
  QPDFObjectHandle stream = pdf.newStream();
  stream.replaceDict(dict);
  stream.replaceStreamData(std::move(provide), QPDFObjectHandle::newNull(),
                           QPDFObjectHandle::newNull());
  return stream;
}

QPDFObjectHandle Stencil(QPDF& pdf, const QImage& mask) {
  QPDFObjectHandle dict = ImageDictionary(mask.width(), mask.height());
  dict.replaceKey("/ImageMask", QPDFObjectHandle::newBool(true));
  dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(1));
  return StreamOf(pdf, dict, [mask](Pipeline* out) { WriteStencilRows(out, mask); });
}

QImage Readable(const QImage& picture) {
  const bool readable = picture.format() == QImage::Format_Indexed8 ||
                        picture.format() == QImage::Format_Grayscale8 ||
                        picture.format() == QImage::Format_RGB888;
  return readable ? picture : picture.convertToFormat(QImage::Format_RGB888);
}

QPDFObjectHandle SampledImageDictionary(const QImage& pixels, Samples samples) {
  QPDFObjectHandle dict = ImageDictionary(pixels.width(), pixels.height());
  dict.replaceKey("/ColorSpace", ColourSpace(samples, pixels));
  dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
  return dict;
}

}  // namespace

QPDFObjectHandle MakePdfImage(QPDF& pdf, const QImage& picture, const QImage& mask) {
  const QImage pixels = Readable(picture);
  const Samples samples = SamplesFor(pixels, mask);
  QPDFObjectHandle dict = SampledImageDictionary(pixels, samples);
  if (!mask.isNull()) dict.replaceKey("/Mask", Stencil(pdf, mask));
  return StreamOf(
      pdf, dict, [pixels, mask, samples](Pipeline* out) { WriteRows(out, pixels, mask, samples); });
}

QPDFObjectHandle MakePackedPdfImage(QPDF& pdf, const QImage& picture) {
  const QImage pixels = Readable(picture);
  const Samples samples = SamplesFor(pixels, QImage());
  Pl_Buffer packed("ScoreInk page");
  Pl_Flate flate("ScoreInk page flate", &packed, Pl_Flate::a_deflate);
  WriteRows(&flate, pixels, QImage(), samples);
  QPDFObjectHandle stream = pdf.newStream();
  stream.replaceDict(SampledImageDictionary(pixels, samples));
  stream.replaceStreamData(packed.getBufferSharedPointer(),
                           QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());
  return stream;
}

}  // namespace scoreink

#include "platform/picture_files/tiff_row_plan.h"

#include <algorithm>
#include <cstring>

namespace scoreink {

namespace {

int DotsPerMeter(TIFF* tiff, ttag_t tag, uint16_t unit) {
  float resolution = 0;
  if (!TIFFGetField(tiff, tag, &resolution) || !(resolution > 0)) return 0;
  double perMeter = 0;
  if (unit == RESUNIT_INCH) perMeter = resolution / 0.0254;
  if (unit == RESUNIT_CENTIMETER) perMeter = resolution * 100.0;
  return int(std::min(perMeter, 1e6) + 0.5);
}

QList<QRgb> GreyTable(int bits, bool whiteIsZero) {
  const int levels = bits >= 8 ? 256 : 1 << bits;
  QList<QRgb> table;
  for (int i = 0; i < levels; ++i) {
    const int v = i * 255 / (levels - 1);
    const int grey = whiteIsZero ? 255 - v : v;
    table.append(qRgb(grey, grey, grey));
  }
  return table;
}

// The file's colour map: 16 bits a channel, though some writers put 8-bit values there.
bool PaletteTable(TIFF* tiff, int bits, QList<QRgb>& table) {
  uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
  if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue)) return false;
  const int entries = 1 << bits;
  bool eightBits = true;
  for (int i = 0; i < entries; ++i)
    eightBits = eightBits && red[i] < 256 && green[i] < 256 && blue[i] < 256;
  const int shift = eightBits ? 0 : 8;
  for (int i = 0; i < entries; ++i)
    table.append(qRgb(red[i] >> shift, green[i] >> shift, blue[i] >> shift));
  return true;
}

void SetOrientation(TiffRowPlan& plan) {
  switch (plan.orientation) {
    case ORIENTATION_TOPRIGHT:
      plan.mirrorRows = true;
      break;
    case ORIENTATION_BOTRIGHT:
      plan.mirrorRows = plan.flipRows = true;
      break;
    case ORIENTATION_BOTLEFT:
      plan.flipRows = true;
      break;
    case ORIENTATION_LEFTTOP:
      plan.turn = TiffTurn::Transpose;
      break;
    case ORIENTATION_RIGHTTOP:
      plan.turn = TiffTurn::Clockwise;
      break;
    case ORIENTATION_RIGHTBOT:
      plan.turn = TiffTurn::Transverse;
      break;
    case ORIENTATION_LEFTBOT:
      plan.turn = TiffTurn::Anticlockwise;
      break;
    default:
      plan.orientation = ORIENTATION_TOPLEFT;
      break;
  }
}

// What of the page this file converts itself; ThroughRgba for the rest.
TiffSamples SamplesOf(TIFF* tiff, int bits, QList<QRgb>& table) {
  uint16_t photometric = 0xFFFF, samples = 1, planar = PLANARCONFIG_CONTIG,
           format = SAMPLEFORMAT_UINT;
  uint16_t compression = COMPRESSION_NONE, inkSet = INKSET_CMYK, extraCount = 0;
  uint16_t* extraTypes = nullptr;
  TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_INKSET, &inkSet);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes);
  if (photometric == PHOTOMETRIC_YCBCR && compression == COMPRESSION_JPEG && samples == 3) {
    // libjpeg turns the samples into RGB itself, subsampled or not.
    TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
    photometric = PHOTOMETRIC_RGB;
  }
  if (format != SAMPLEFORMAT_UINT || extraCount != 0) return TiffSamples::ThroughRgba;
  if (samples > 1 && planar != PLANARCONFIG_CONTIG) return TiffSamples::ThroughRgba;
  const bool bytes = bits == 8 || bits == 16;
  switch (photometric) {
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_MINISWHITE:
      if (samples != 1 || (!bytes && bits != 1 && bits != 2 && bits != 4)) break;
      table = GreyTable(bits, photometric == PHOTOMETRIC_MINISWHITE);
      return TiffSamples::Grey;
    case PHOTOMETRIC_PALETTE:
      if (samples != 1 || bits > 8 || (bits & (bits - 1)) != 0) break;
      if (!PaletteTable(tiff, bits, table)) break;
      return TiffSamples::Palette;
    case PHOTOMETRIC_RGB:
      if (samples == 3 && bytes) return TiffSamples::Rgb;
      break;
    case PHOTOMETRIC_SEPARATED:
      if (samples == 4 && bytes && inkSet == INKSET_CMYK) return TiffSamples::Cmyk;
      break;
    default:
      break;
  }
  return TiffSamples::ThroughRgba;
}

// 16-bit samples in the machine's byte order (libtiff swaps them): their high byte.
uchar High(const uchar* sample) {
  uint16_t v;
  std::memcpy(&v, sample, 2);
  return uchar(v >> 8);
}

void UnpackBits(const uchar* file, uchar* out, int width, int bits) {
  const int mask = (1 << bits) - 1;
  for (int x = 0; x < width; ++x) {
    const int at = x * bits;
    out[x] = uchar(file[at >> 3] >> (8 - bits - (at & 7)) & mask);
  }
}

void Mirror(uchar* row, int width, int bytesPerPixel) {
  for (int l = 0, r = width - 1; l < r; ++l, --r)
    std::swap_ranges(row + l * bytesPerPixel, row + (l + 1) * bytesPerPixel,
                     row + r * bytesPerPixel);
}

}  // namespace

TiffRowPlan PlanTiffRows(TIFF* tiff) {
  TiffRowPlan plan;
  uint32_t width = 0, height = 0;
  uint16_t bits = 1, orientation = ORIENTATION_TOPLEFT, unit = RESUNIT_INCH;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
  plan.shape.size =
      QSize(int(std::min<uint32_t>(width, INT32_MAX)), int(std::min<uint32_t>(height, INT32_MAX)));
  plan.shape.dotsPerMeterX = DotsPerMeter(tiff, TIFFTAG_XRESOLUTION, unit);
  plan.shape.dotsPerMeterY = DotsPerMeter(tiff, TIFFTAG_YRESOLUTION, unit);
  plan.bits = bits;
  plan.orientation = orientation;
  SetOrientation(plan);
  plan.samples = SamplesOf(tiff, bits, plan.shape.table);
  const bool indexed = plan.samples == TiffSamples::Grey || plan.samples == TiffSamples::Palette;
  plan.shape.kind = indexed ? RowKind::Indexed : RowKind::Rgb888;
  if (!indexed) plan.shape.table.clear();
  return plan;
}

void ConvertTiffRow(const TiffRowPlan& plan, const uchar* file, uchar* out, int width) {
  const bool wide = plan.bits == 16;
  switch (plan.samples) {
    case TiffSamples::Grey:
    case TiffSamples::Palette:
      if (plan.bits == 8)
        std::memcpy(out, file, size_t(width));
      else if (wide)
        for (int x = 0; x < width; ++x) out[x] = High(file + 2 * x);
      else
        UnpackBits(file, out, width, plan.bits);
      break;
    case TiffSamples::Rgb:
      if (!wide)
        std::memcpy(out, file, size_t(width) * 3);
      else
        for (int i = 0; i < width * 3; ++i) out[i] = High(file + 2 * i);
      break;
    case TiffSamples::Cmyk:
      // The amount of each ink, 0 for none: the paper's white shows through what is left.
      for (int x = 0; x < width; ++x) {
        const uchar* p = file + (wide ? 8 : 4) * x;
        const int k = 255 - (wide ? High(p + 6) : p[3]);
        for (int c = 0; c < 3; ++c) {
          const int ink = wide ? High(p + 2 * c) : p[c];
          out[3 * x + c] = uchar(((255 - ink) * k + 127) / 255);
        }
      }
      break;
    case TiffSamples::ThroughRgba:
      return;
  }
  if (plan.mirrorRows) Mirror(out, width, plan.shape.kind == RowKind::Indexed ? 1 : 3);
}

void RgbaRowOnWhite(const uint32_t* rgba, uchar* out, int width) {
  for (int x = 0; x < width; ++x, out += 3) {
    const uint32_t p = rgba[x];
    const int paper = 255 - int(TIFFGetA(p));
    out[0] = uchar(std::min(255, int(TIFFGetR(p)) + paper));
    out[1] = uchar(std::min(255, int(TIFFGetG(p)) + paper));
    out[2] = uchar(std::min(255, int(TIFFGetB(p)) + paper));
  }
}

}  // namespace scoreink

// PNG files of every colour type and bit depth, made here with libpng: each reads as the
// picture it means on white paper; broken ones give a clear message.
#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>
#include <QBuffer>
#include <QTemporaryDir>
#include <vector>

#include "harness/case_names.h"
#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {
namespace {

struct PngCase {
  const char* name;
  int type;   // PNG_COLOR_TYPE_...
  int depth;  // bits per sample
  bool interlaced = false;
  bool transparency = false;  // a tRNS chunk
};

constexpr int kWidth = 21, kHeight = 13;

// Sample c (0 red, 1 green, 2 blue, 3 alpha) of pixel (x, y) at 8 bits; 16-bit files hold it
// times 257, lower depths its top bits.
int Sample(int x, int y, int c, int depth) {
  const int levels = 1 << std::min(depth, 8);
  const int v = (x * 7 + y * 13 + c * 5) % levels;
  return v * 255 / (levels - 1);
}

int Channels(int type) {
  switch (type) {
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_PALETTE:
      return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return 2;
    case PNG_COLOR_TYPE_RGB:
      return 3;
    default:
      return 4;
  }
}

void Append(png_structp png, png_bytep data, size_t length) {
  static_cast<QByteArray*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<char*>(data), qsizetype(length));
}
void NoFlush(png_structp) {}

// The file, and the colour each pixel means on white paper.
QByteArray MakePng(const PngCase& c, std::vector<QRgb>& expected) {
  QByteArray bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &bytes, Append, NoFlush);
  png_set_IHDR(png, info, kWidth, kHeight, c.depth, c.type,
               c.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  const int entries = c.type == PNG_COLOR_TYPE_PALETTE ? 1 << c.depth : 0;
  std::vector<png_color> palette;
  std::vector<png_byte> alphas;
  for (int i = 0; i < entries; ++i) {
    palette.push_back({png_byte(i * 37 % 256), png_byte(i * 91 % 256), png_byte(255 - i)});
    alphas.push_back(png_byte(i * 60 % 256));
  }
  if (entries) png_set_PLTE(png, info, palette.data(), entries);
  png_color_16 transparent{};
  transparent.gray = transparent.red = transparent.green = transparent.blue = 0;
  if (c.transparency && entries) png_set_tRNS(png, info, alphas.data(), entries, nullptr);
  if (c.transparency && !entries) png_set_tRNS(png, info, nullptr, 0, &transparent);
  png_write_info(png, info);

  const int channels = Channels(c.type);
  const int sampleBits = c.depth;
  std::vector<std::vector<png_byte>> rows(kHeight);
  expected.assign(size_t(kWidth * kHeight), 0);
  for (int y = 0; y < kHeight; ++y) {
    std::vector<png_byte>& row = rows[size_t(y)];
    row.assign(size_t((kWidth * channels * sampleBits + 7) / 8), 0);
    for (int x = 0; x < kWidth; ++x) {
      int rgba[4];
      for (int ch = 0; ch < channels; ++ch) {
        const int v8 = Sample(x, y, ch, c.depth);
        const int stored = entries            ? (x + y) % entries
                           : sampleBits == 16 ? v8 * 257
                                              : v8 >> (8 - std::min(sampleBits, 8));
        const int bitAt = (x * channels + ch) * sampleBits;
        if (sampleBits == 16) {
          row[size_t(bitAt / 8)] = png_byte(stored >> 8);
          row[size_t(bitAt / 8 + 1)] = png_byte(stored);
        } else {
          row[size_t(bitAt / 8)] |= png_byte(stored << (8 - sampleBits - bitAt % 8));
        }
        rgba[ch] = entries ? stored : v8;
      }
      int r, g, b, a = 255;
      if (entries) {
        const png_color p = palette[size_t(rgba[0])];
        r = p.red, g = p.green, b = p.blue;
        if (c.transparency) a = alphas[size_t(rgba[0])];
      } else if (channels <= 2) {
        r = g = b = rgba[0];
        if (channels == 2) a = rgba[1];
        if (c.transparency && rgba[0] == 0) a = 0;
      } else {
        r = rgba[0], g = rgba[1], b = rgba[2];
        if (channels == 4) a = rgba[3];
        if (c.transparency && r == 0 && g == 0 && b == 0) a = 0;
      }
      const auto on = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
      expected[size_t(y * kWidth + x)] = qRgb(on(r), on(g), on(b));
    }
  }
  const int passes = png_set_interlace_handling(png);
  for (int pass = 0; pass < passes; ++pass)
    for (auto& row : rows) png_write_row(png, row.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

class PngRead : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngRead, GivesWhatTheFileMeansOnWhitePaper) {
  std::vector<QRgb> expected;
  const QByteArray bytes = MakePng(GetParam(), expected);
  const PictureResult read = DecodePicture(bytes, PictureKind::Png);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  ASSERT_EQ(read.image.size(), QSize(kWidth, kHeight));
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(read.image.pixel(x, y) | 0xFF000000u, expected[size_t(y * kWidth + x)])
          << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Files, PngRead,
    ::testing::Values(
        PngCase{"grey1", PNG_COLOR_TYPE_GRAY, 1}, PngCase{"grey2", PNG_COLOR_TYPE_GRAY, 2},
        PngCase{"grey4", PNG_COLOR_TYPE_GRAY, 4}, PngCase{"grey8", PNG_COLOR_TYPE_GRAY, 8},
        PngCase{"grey16", PNG_COLOR_TYPE_GRAY, 16},
        PngCase{"grey8_transparent", PNG_COLOR_TYPE_GRAY, 8, false, true},
        PngCase{"grey_alpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8},
        PngCase{"grey_alpha16", PNG_COLOR_TYPE_GRAY_ALPHA, 16},
        PngCase{"rgb8", PNG_COLOR_TYPE_RGB, 8}, PngCase{"rgb16", PNG_COLOR_TYPE_RGB, 16},
        PngCase{"rgb8_transparent", PNG_COLOR_TYPE_RGB, 8, false, true},
        PngCase{"rgba8", PNG_COLOR_TYPE_RGBA, 8}, PngCase{"rgba16", PNG_COLOR_TYPE_RGBA, 16},
        PngCase{"palette1", PNG_COLOR_TYPE_PALETTE, 1},
        PngCase{"palette2", PNG_COLOR_TYPE_PALETTE, 2},
        PngCase{"palette4", PNG_COLOR_TYPE_PALETTE, 4},
        PngCase{"palette8_transparent", PNG_COLOR_TYPE_PALETTE, 8, false, true},
        PngCase{"interlaced_grey8", PNG_COLOR_TYPE_GRAY, 8, true},
        PngCase{"interlaced_rgba8", PNG_COLOR_TYPE_RGBA, 8, true},
        PngCase{"interlaced_palette4", PNG_COLOR_TYPE_PALETTE, 4, true}),
    [](const auto& tc) { return test::CaseName(tc.param.name); });

TEST(PngRead, BrokenFilesGiveAClearMessageAndNoPicture) {
  std::vector<QRgb> expected;
  const QByteArray good = MakePng({"rgb8", PNG_COLOR_TYPE_RGB, 8}, expected);
  QByteArray huge = good;  // IHDR claiming 100000 x 100000, with its CRC
  const char side[4] = {0, 1, char(0x86), char(0xA0)};
  huge.replace(16, 4, side, 4);
  huge.replace(20, 4, side, 4);
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(huge.constData() + 12), 17);
  for (int i = 0; i < 4; ++i) huge[29 + i] = char(crc >> (24 - 8 * i));
  QByteArray corrupt = good;
  corrupt[corrupt.size() - 20] = char(corrupt[corrupt.size() - 20] ^ 0x5A);
  const std::pair<QByteArray, const char*> cases[] = {
      {QByteArray(), "ファイルが空っぽ"},
      {QByteArray("GIF89a....."), "中身がPNGではない"},
      {good.left(good.size() / 2), "途中で切れている"},
      {huge, "大きすぎて扱えない (100000 x 100000)"},
      {corrupt, "PNGの中身が壊れている"},
  };
  for (const auto& [bytes, reason] : cases) {
    const PictureResult read = DecodePicture(bytes, PictureKind::Png);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error.contains(QString::fromUtf8(reason))) << read.error.toStdString();
  }
}

}  // namespace
}  // namespace scoreink

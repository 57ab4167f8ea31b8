// TIFF files made here with libtiff (and by hand where libtiff would not write them): every
// kind of page reads as the picture it means as it is seen, grey and palette pages as table
// indices; a file of pages opens the page picked; broken and hostile files give a clear message
// and never a word on the terminal.
#include <tiffio.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

#include "harness/case_names.h"
#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/read_watch.h"
#include "platform/picture_files/tiff_reader.h"
#include "platform/picture_files/whole_picture.h"

namespace scoreink {
namespace {

struct TiffCase {
  const char* name;
  int photometric;
  int bits;
  int compression = COMPRESSION_NONE;
  bool tiles = false;
  int orientation = ORIENTATION_TOPLEFT;
  bool planes = false;  // RGB samples in planes of their own
  bool alpha = false;   // RGB with an unassociated alpha sample
  int tolerance = 0;    // JPEG
  int width = 21, height = 13;
};

void PrintTo(const TiffCase& c, std::ostream* out) {
  *out << c.name;
}

int SamplesOf(const TiffCase& c) {
  if (c.photometric == PHOTOMETRIC_SEPARATED) return 4;
  if (c.photometric == PHOTOMETRIC_RGB || c.photometric == PHOTOMETRIC_YCBCR)
    return c.alpha ? 4 : 3;
  return 1;
}

// Sample s of stored pixel (x, y) at 8 bits (a level below 8 bits), smooth for JPEG's sake.
int Level(int x, int y, int s, int bits) {
  if (bits < 8) return (x + 3 * y + s) % (1 << bits);
  return (x * 5 + y * 7 + s * 20 + (s == 3 ? 90 : 0)) % 256;
}

QRgb PaletteEntry(int i) {
  return qRgb(i * 37 % 256, i * 91 % 256, 255 - i);
}

// The colour stored pixel (x, y) means on white paper.
QRgb Meaning(const TiffCase& c, int x, int y) {
  const auto level = [&](int s) { return Level(x, y, s, c.bits); };
  const int top = c.bits < 8 ? (1 << c.bits) - 1 : 255;
  switch (c.photometric) {
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_MINISWHITE: {
      const int grey = level(0) * 255 / top;
      const int v = c.photometric == PHOTOMETRIC_MINISWHITE ? 255 - grey : grey;
      return qRgb(v, v, v);
    }
    case PHOTOMETRIC_PALETTE:
      return PaletteEntry(level(0));
    case PHOTOMETRIC_SEPARATED: {
      const auto paper = [&](int s) { return ((255 - level(s)) * (255 - level(3)) + 127) / 255; };
      return qRgb(paper(0), paper(1), paper(2));
    }
    default: {
      const int a = c.alpha ? level(3) : 255;
      const auto on = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
      return qRgb(on(level(0)), on(level(1)), on(level(2)));
    }
  }
}

// The page as seen: its size and which stored pixel shows at (x, y).
QSize SeenSize(const TiffCase& c) {
  return c.orientation >= ORIENTATION_LEFTTOP ? QSize(c.height, c.width) : QSize(c.width, c.height);
}
QPoint StoredAt(const TiffCase& c, int x, int y) {
  switch (c.orientation) {
    case ORIENTATION_TOPRIGHT:
      return {c.width - 1 - x, y};
    case ORIENTATION_BOTLEFT:
      return {x, c.height - 1 - y};
    case ORIENTATION_RIGHTTOP:  // turned clockwise to be seen
      return {y, c.height - 1 - x};
    case ORIENTATION_LEFTBOT:  // turned anticlockwise
      return {c.width - 1 - y, x};
    default:
      return {x, y};
  }
}

// Packed rows of samples first .. first + count - 1 of each stored row.
std::vector<std::vector<uchar>> PackedRows(const TiffCase& c, int first, int count) {
  std::vector<std::vector<uchar>> rows(size_t(c.height));
  for (int y = 0; y < c.height; ++y) {
    std::vector<uchar>& row = rows[size_t(y)];
    row.assign(size_t((c.width * count * c.bits + 7) / 8), 0);
    for (int x = 0; x < c.width; ++x)
      for (int s = 0; s < count; ++s) {
        const int v = Level(x, y, first + s, c.bits);
        const int bitAt = (x * count + s) * c.bits;
        if (c.bits == 16) {
          const uint16_t wide = uint16_t(v * 257);
          memcpy(&row[size_t(bitAt / 8)], &wide, 2);
        } else {
          row[size_t(bitAt / 8)] |= uchar(v << (8 - c.bits - bitAt % 8));
        }
      }
  }
  return rows;
}

// Writes the case as the current page of tiff.
void WritePage(TIFF* tiff, const TiffCase& c) {
  const int samples = SamplesOf(c);
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, c.width);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, c.height);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, c.bits);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, c.photometric);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, c.compression);
  TIFFSetField(tiff, TIFFTAG_ORIENTATION, c.orientation);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, c.planes ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
  if (c.alpha) {
    const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, &extra);
  }
  if (c.compression == COMPRESSION_JPEG) TIFFSetField(tiff, TIFFTAG_JPEGQUALITY, 100);
  if (c.photometric == PHOTOMETRIC_YCBCR)
    TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);  // RGB in, YCbCr stored
  std::vector<uint16_t> map[3];
  if (c.photometric == PHOTOMETRIC_PALETTE) {
    for (int i = 0; i < 1 << c.bits; ++i) {
      const QRgb e = PaletteEntry(i);
      map[0].push_back(uint16_t(qRed(e) * 257));
      map[1].push_back(uint16_t(qGreen(e) * 257));
      map[2].push_back(uint16_t(qBlue(e) * 257));
    }
    TIFFSetField(tiff, TIFFTAG_COLORMAP, map[0].data(), map[1].data(), map[2].data());
  }
  const int planes = c.planes ? samples : 1;
  const int perPlane = samples / planes;
  if (!c.tiles) {
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, c.compression == COMPRESSION_JPEG ? 16 : 5);
    for (int p = 0; p < planes; ++p) {
      auto rows = PackedRows(c, p, perPlane);
      for (int y = 0; y < c.height; ++y)
        TIFFWriteScanline(tiff, rows[size_t(y)].data(), uint32_t(y), uint16_t(p));
    }
    TIFFWriteDirectory(tiff);
    return;
  }
  constexpr int kTile = 16;
  TIFFSetField(tiff, TIFFTAG_TILEWIDTH, kTile);
  TIFFSetField(tiff, TIFFTAG_TILELENGTH, kTile);
  const auto rows = PackedRows(c, 0, samples);
  const size_t tileRow = size_t(kTile * samples * c.bits / 8);
  for (int ty = 0; ty < c.height; ty += kTile)
    for (int tx = 0; tx < c.width; tx += kTile) {
      std::vector<uchar> tile(tileRow * kTile, 0);
      for (int r = 0; r < kTile && ty + r < c.height; ++r) {
        const std::vector<uchar>& row = rows[size_t(ty + r)];
        const size_t from = size_t(tx * samples * c.bits / 8);
        memcpy(&tile[size_t(r) * tileRow], &row[from], std::min(tileRow, row.size() - from));
      }
      TIFFWriteTile(tiff, tile.data(), uint32_t(tx), uint32_t(ty), 0, 0);
    }
  TIFFWriteDirectory(tiff);
}

QString WriteTiff(const QTemporaryDir& dir, const std::vector<TiffCase>& pages) {
  const QString path = dir.filePath(QStringLiteral("pages.tif"));
  TIFF* tiff = TIFFOpen(path.toLocal8Bit().constData(), "w");
  for (const TiffCase& page : pages) WritePage(tiff, page);
  TIFFClose(tiff);
  return path;
}

bool Indexed(const TiffCase& c) {
  return c.photometric == PHOTOMETRIC_MINISBLACK || c.photometric == PHOTOMETRIC_MINISWHITE ||
         c.photometric == PHOTOMETRIC_PALETTE;
}

void ExpectMeaning(const TiffCase& c, const PictureResult& read) {
  ASSERT_TRUE(read.ok()) << c.name << ": " << read.error.toStdString();
  ASSERT_EQ(read.image.size(), SeenSize(c)) << c.name;
  // Grey and palette pages keep one byte a pixel, a fax page too.
  EXPECT_EQ(read.image.format() == QImage::Format_Indexed8, Indexed(c)) << c.name;
  for (int y = 0; y < read.image.height(); ++y)
    for (int x = 0; x < read.image.width(); ++x) {
      const QPoint at = StoredAt(c, x, y);
      const QRgb want = Meaning(c, at.x(), at.y()), got = read.image.pixel(x, y);
      const int off =
          std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                    std::abs(qBlue(want) - qBlue(got))});
      ASSERT_LE(off, c.tolerance) << c.name << " at " << x << "," << y;
    }
}

class TiffRead : public ::testing::TestWithParam<TiffCase> {};

TEST_P(TiffRead, GivesThePageAsItIsSeen) {
  QTemporaryDir dir;
  const QString path = WriteTiff(dir, {GetParam()});
  ExpectMeaning(GetParam(), DecodePicture(test::FileBytes(path), PictureKind::Tiff));
}

constexpr int kG3 = COMPRESSION_CCITTFAX3, kG4 = COMPRESSION_CCITTFAX4;
constexpr int kBlack0 = PHOTOMETRIC_MINISBLACK, kWhite0 = PHOTOMETRIC_MINISWHITE;
constexpr int kRgb = PHOTOMETRIC_RGB, kPalette = PHOTOMETRIC_PALETTE;

INSTANTIATE_TEST_SUITE_P(
    Pages, TiffRead,
    ::testing::Values(
        TiffCase{"fax_g3", kWhite0, 1, kG3}, TiffCase{"fax_g4", kWhite0, 1, kG4},
        TiffCase{"grey1_black_is_zero_packbits", kBlack0, 1, COMPRESSION_PACKBITS},
        TiffCase{"grey2", kBlack0, 2}, TiffCase{"grey4_white_is_zero", kWhite0, 4},
        TiffCase{"grey8_lzw", kBlack0, 8, COMPRESSION_LZW},
        TiffCase{"grey8_white_is_zero", kWhite0, 8},
        TiffCase{"grey16_deflate", kBlack0, 16, COMPRESSION_ADOBE_DEFLATE},
        TiffCase{"grey8_jpeg", kBlack0, 8, COMPRESSION_JPEG, false, 1, false, false, 3},
        TiffCase{"palette4_tiles", kPalette, 4, COMPRESSION_NONE, true},
        TiffCase{"palette8_lzw", kPalette, 8, COMPRESSION_LZW},
        TiffCase{"rgb8_packbits", kRgb, 8, COMPRESSION_PACKBITS},
        TiffCase{"rgb16_lzw", kRgb, 16, COMPRESSION_LZW},
        TiffCase{"rgb8_tiles_deflate", kRgb, 8, COMPRESSION_ADOBE_DEFLATE, true},
        TiffCase{"rgb8_jpeg_ycbcr", PHOTOMETRIC_YCBCR, 8, COMPRESSION_JPEG, false, 1, false, false,
                 12},
        TiffCase{"cmyk8_lzw", PHOTOMETRIC_SEPARATED, 8, COMPRESSION_LZW},
        TiffCase{"cmyk16", PHOTOMETRIC_SEPARATED, 16},
        TiffCase{"rgb8_planes", kRgb, 8, COMPRESSION_LZW, false, 1, true},
        TiffCase{"rgba8_on_white", kRgb, 8, COMPRESSION_NONE, false, 1, false, true, 1},
        TiffCase{"grey8_mirrored", kBlack0, 8, COMPRESSION_NONE, false, ORIENTATION_TOPRIGHT},
        TiffCase{"fax_g4_turned_clockwise", kWhite0, 1, kG4, false, ORIENTATION_RIGHTTOP},
        TiffCase{"rgb8_tiles_turned_anticlockwise", kRgb, 8, COMPRESSION_NONE, true,
                 ORIENTATION_LEFTBOT},
        // Several bands, the file's bottom row first.
        TiffCase{"grey8_bottom_up_bands", kBlack0, 8, COMPRESSION_LZW, false, ORIENTATION_BOTLEFT,
                 false, false, 0, 1201, 1000},
        TiffCase{"rgba8_bottom_up_bands", kRgb, 8, COMPRESSION_NONE, false, ORIENTATION_BOTLEFT,
                 false, true, 1, 1201, 300}),
    [](const auto& tc) { return test::CaseName(tc.param.name); });

TEST(TiffPages, EachPageOfAFileOpensAsPickedAndIsCountedWithoutDecoding) {
  QTemporaryDir dir;
  const std::vector<TiffCase> pages = {
      {"grey8", kBlack0, 8, COMPRESSION_LZW},
      {"rgb8", kRgb, 8, COMPRESSION_ADOBE_DEFLATE, true, 1, false, false, 0, 40, 9},
      {"fax", kWhite0, 1, kG4, false, 1, false, false, 0, 33, 50}};
  const QString path = WriteTiff(dir, pages);
  const PageCount count = CountPages(path);
  EXPECT_TRUE(count.ok()) << count.error.toStdString();
  EXPECT_EQ(count.pages, 3);
  for (int page = 0; page < 3; ++page)
    ExpectMeaning(pages[size_t(page)], LoadPicture(path, {page}));
  const PictureResult past = LoadPicture(path, {3});
  EXPECT_TRUE(past.error.contains(QStringLiteral("4 ページ目はない (全部で 3 ページ)")))
      << past.error.toStdString();

  ReadWatch watch;
  WholePicture sink;
  EXPECT_TRUE(ReadPicture(path, sink, &watch, {2}).isEmpty());
  EXPECT_EQ(watch.Permille(), 1000);
  watch.RequestCancel();
  EXPECT_EQ(ReadPicture(path, sink, &watch, {1}), QStringLiteral("読むのをやめた"));
}

// Classic little-endian TIFF of 8-bit grey pages written byte by byte: each page width x
// height with its pixels at pixelsAt, the last page linked to page loopTo (-1: to none).
QByteArray HandMadeTiff(int pages, quint32 width, quint32 height, int loopTo = -1,
                        quint32 pixelsAt = 8) {
  constexpr int kEntries = 9, kIfdBytes = 2 + kEntries * 12 + 4, kFirstIfd = 16;
  QByteArray bytes(kFirstIfd + pages * kIfdBytes, '\0');
  auto put = [&](int at, quint32 v, int size) { memcpy(bytes.data() + at, &v, size_t(size)); };
  memcpy(bytes.data(), "II*\0", 4);
  put(4, kFirstIfd, 4);
  const quint64 pixels = quint64(width) * height;
  const quint32 fields[kEntries][3] = {
      {256, 4, width}, {257, 4, height}, {258, 3, 8},
      {259, 3, 1},     {262, 3, 1},      {273, 4, pixelsAt},
      {277, 3, 1},     {278, 4, height}, {279, 4, quint32(std::min<quint64>(pixels, 0xFFFFFFFFu))}};
  for (int p = 0; p < pages; ++p) {
    const int at = kFirstIfd + p * kIfdBytes;
    put(at, kEntries, 2);
    for (int e = 0; e < kEntries; ++e) {
      put(at + 2 + e * 12, fields[e][0], 2);
      put(at + 4 + e * 12, fields[e][1], 2);
      put(at + 6 + e * 12, 1, 4);
      put(at + 10 + e * 12, fields[e][2], 4);
    }
    const int next = p + 1 < pages ? p + 1 : loopTo;
    put(at + 2 + kEntries * 12, next < 0 ? 0 : quint32(kFirstIfd + next * kIfdBytes), 4);
  }
  return bytes;
}

// What fn wrote to the terminal's error stream.
std::string ErrorStreamDuring(const std::function<void()>& fn) {
  std::fflush(stderr);
  const int saved = dup(2);
  FILE* caught = std::tmpfile();
  dup2(fileno(caught), 2);
  fn();
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::string text(size_t(std::ftell(caught)), '\0');
  std::rewind(caught);
  text.resize(std::fread(text.data(), 1, text.size(), caught));
  std::fclose(caught);
  return text;
}

TEST(TiffPages, BrokenAndHostileFilesGiveAClearMessageAndNothingOnTheTerminal) {
  QTemporaryDir dir;
  const QString path =
      WriteTiff(dir, {{"grey8", kBlack0, 8, COMPRESSION_LZW, false, 1, false, false, 0, 300, 200}});
  const QByteArray good = test::FileBytes(path);
  QByteArray scrambled = good;  // the directory's entries overwritten
  const quint32 ifd = test::Le32At(good, 4);
  for (int i = 2; i < 2 + 5 * 12; ++i) scrambled[int(ifd) + i] = char(i * 53);
  const std::pair<QByteArray, const char*> cases[] = {
      {QByteArray(), "ファイルが空っぽ"},
      {QByteArray("GIF89a....."), "中身がTIFFではない"},
      {good.left(good.size() / 2), "途中で切れている"},
      {HandMadeTiff(1, 4, 4, -1, 1 << 20), "途中で切れている"},
      {scrambled, "TIFFの中身が壊れている"},
      {HandMadeTiff(1, 100000, 100000), "大きすぎて扱えない (100000 x 100000)"},
      {HandMadeTiff(kMaxTiffPages + 1, 1, 1), "ページが多すぎて扱えない (9999 ページまで)"},
      {HandMadeTiff(3, 1, 1, 1), "ページのつながりが輪になっている"},
  };
  const std::string terminal = ErrorStreamDuring([&] {
    for (const auto& [bytes, reason] : cases) {
      const PictureResult read = DecodePicture(bytes, PictureKind::Tiff);
      EXPECT_FALSE(read.ok());
      EXPECT_TRUE(read.error.contains(QString::fromUtf8(reason))) << read.error.toStdString();
    }
  });
  EXPECT_EQ(terminal, "");

  // The count refuses what the reading refuses, and takes as many pages as are allowed.
  const QString many = dir.filePath(QStringLiteral("many.tif"));
  test::WriteFileBytes(many, HandMadeTiff(kMaxTiffPages + 1, 1, 1));
  EXPECT_TRUE(CountPages(many).error.contains(QStringLiteral("ページが多すぎて")));
  test::WriteFileBytes(many, HandMadeTiff(kMaxTiffPages, 1, 1));
  EXPECT_EQ(CountPages(many).pages, kMaxTiffPages);
  EXPECT_TRUE(LoadPicture(many, {kMaxTiffPages - 1}).ok());
}

}  // namespace
}  // namespace scoreink

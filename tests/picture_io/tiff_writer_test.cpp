// A document of pages written as a multi-page TIFF reads back page for page through the
// program's own reader, each page in the form its colours allow; a full disk or a page that
// cannot be had fails with its reason and leaves the old file as it was.
#include <tiffio.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <vector>

#include "harness/scratch_mount.h"
#include "picture_test_support.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/palette.h"

namespace scoreink {
namespace {

// A page of the fixed palette whose pixel (x, y) is indices[(x * 7 + y * 3) % size]. Its width
// is no multiple of 8, so a 1-bit row ends in the middle of a byte.
QImage FixedPage(const std::vector<int>& indices, int width = 61, int height = 37) {
  QImage page(width, height, QImage::Format_Indexed8);
  page.setColorTable(FixedPalette());
  page.setDotsPerMeterX(11811);  // 300 dpi
  page.setDotsPerMeterY(23622);  // 600 dpi
  for (int y = 0; y < height; ++y) {
    uchar* row = page.scanLine(y);
    for (int x = 0; x < width; ++x)
      row[x] = uchar(indices[size_t((x * 7 + y * 3) % indices.size())]);
  }
  return page;
}

QImage AsRgb888(const QImage& page) {
  QImage rgb = page.convertToFormat(QImage::Format_RGB888);
  rgb.setDotsPerMeterX(page.dotsPerMeterX());
  rgb.setDotsPerMeterY(page.dotsPerMeterY());
  return rgb;
}

int GreyIndex() {
  return PaletteIndexFor(128, 128, 128);
}

struct PageCase {
  const char* name;
  QImage page;
  int compression, photometric, bits;
};

std::vector<PageCase> ThreeKindsOfPage() {
  const QImage blackWhite = FixedPage({kBlackIndex, kWhiteIndex, kWhiteIndex});
  const QImage grey = FixedPage({kBlackIndex, GreyIndex(), kWhiteIndex});
  const QImage colour = FixedPage({kWhiteIndex, TemplateInkIndex(), kBlackIndex});
  return {
      {"black and white", blackWhite, COMPRESSION_CCITTFAX4, PHOTOMETRIC_MINISWHITE, 1},
      {"grey", grey, COMPRESSION_ADOBE_DEFLATE, PHOTOMETRIC_MINISBLACK, 8},
      {"colour", colour, COMPRESSION_ADOBE_DEFLATE, PHOTOMETRIC_PALETTE, 8},
      {"24-bit black and white", AsRgb888(blackWhite), COMPRESSION_CCITTFAX4,
       PHOTOMETRIC_MINISWHITE, 1},
      {"24-bit grey", AsRgb888(grey), COMPRESSION_ADOBE_DEFLATE, PHOTOMETRIC_MINISBLACK, 8},
      {"24-bit colour", AsRgb888(colour), COMPRESSION_ADOBE_DEFLATE, PHOTOMETRIC_RGB, 8},
  };
}

// Asks for the pages of cases in order and records what it was asked.
std::function<QImage(int, QString&)> PagesOf(const std::vector<PageCase>& cases,
                                             std::vector<int>& asked) {
  return [&cases, &asked](int n, QString&) {
    asked.push_back(n);
    return cases[size_t(n)].page;
  };
}

TEST(TiffPages, EveryPageReadsBackInTheFormItsColoursAllow) {
  const std::vector<PageCase> cases = ThreeKindsOfPage();
  QTemporaryDir dir;
  const QString path = dir.filePath("part.tif");
  std::vector<int> asked;
  const WriteResult saved = SaveTiffPages(int(cases.size()), PagesOf(cases, asked), path);
  ASSERT_TRUE(saved.ok()) << saved.error.toStdString();
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(CountPages(path).pages, int(cases.size()));

  TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
  ASSERT_NE(tiff, nullptr);
  for (int n = 0; n < int(cases.size()); ++n) {
    const PageCase& c = cases[size_t(n)];
    SCOPED_TRACE(c.name);
    const PictureResult read = LoadPicture(path, PagePick{n});
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_TRUE(test::SameColors(read.image, c.page));
    EXPECT_EQ(read.image.dotsPerMeterX(), c.page.dotsPerMeterX());
    EXPECT_EQ(read.image.dotsPerMeterY(), c.page.dotsPerMeterY());
    ASSERT_TRUE(TIFFSetDirectory(tiff, tdir_t(n)));
    uint16_t compression = 0, photometric = 0, bits = 0;
    TIFFGetField(tiff, TIFFTAG_COMPRESSION, &compression);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetField(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    EXPECT_EQ(compression, c.compression);
    EXPECT_EQ(photometric, c.photometric);
    EXPECT_EQ(bits, c.bits);
  }
  TIFFClose(tiff);
}

// Colour indices at random: deflate cannot squeeze them below the small disk's size.
QImage Incompressible(int width, int height) {
  QImage page = FixedPage({kWhiteIndex}, width, height);
  quint32 state = 12345;
  for (int y = 0; y < height; ++y) {
    uchar* row = page.scanLine(y);
    for (int x = 0; x < width; ++x) row[x] = uchar((state = state * 1103515245 + 12345) >> 16);
  }
  return page;
}

struct FailureCase {
  const char* name;
  int failingPage;  // -1: every page is had, the disk fills
  const char* reason;
};

TEST(TiffPages, AFailedWriteGivesItsReasonAndKeepsTheOldFile) {
  const FailureCase kCases[] = {
      {"full disk", -1, "ディスクの空きが足りない"},
      {"page not had", 1, "2 ページ目を読み直せない"},
  };
  for (const FailureCase& c : kCases) {
    SCOPED_TRACE(c.name);
    test::ScratchMount disk(QStringLiteral("size=64k"));
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const QString path = disk.path() + QStringLiteral("/part.tif");
    const std::vector<PageCase> small = {{"small", FixedPage({kBlackIndex, kWhiteIndex}), 0, 0, 0}};
    std::vector<int> asked;
    ASSERT_TRUE(SaveTiffPages(1, PagesOf(small, asked), path).ok());
    const QByteArray before = test::FileBytes(path);
    const QImage large = Incompressible(200, 200);
    asked.clear();

    const WriteResult result = SaveTiffPages(
        3,
        [&](int n, QString& reason) {
          asked.push_back(n);
          if (n == c.failingPage) {
            reason = QString::fromUtf8(c.reason);
            return QImage();
          }
          return large;
        },
        path);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("画像ファイルを保存できない: part.tif\n")))
        << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.reason))) << result.error.toStdString();
    if (c.failingPage >= 0) {
      EXPECT_EQ(asked.back(), c.failingPage);  // nothing asked after it
    }
    EXPECT_EQ(test::FileBytes(path), before);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("part.tif")});
  }
}

}  // namespace
}  // namespace scoreink

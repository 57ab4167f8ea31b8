// Reading and writing slot files: what start-up shows, what a registration leaves on disk,
// and that a failed write costs no slot file.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "harness/case_names.h"
#include "harness/scratch_mount.h"
#include "platform/raster/palette.h"
#include "store_test_support.h"

namespace scoreink::test {
namespace {

using Status = SymbolSlotRead::Status;

TEST(SlotNames, FileAndPaletteImageOfASlot) {
  EXPECT_EQ(SymbolSlotFile("/x/OpPIX", 1), "/x/OpPIX/1.bmp");
  EXPECT_EQ(SymbolSlotFile("/x/OpPIX", 10), "/x/OpPIX/10.bmp");
  EXPECT_EQ(SymbolSlotFile("/x/OpPIX", 15), "/x/OpPIX/15.bmp");
  EXPECT_EQ(SymbolSlotImageName(1), "OPImg01");
  EXPECT_EQ(SymbolSlotImageName(9), "OPImg09");
  EXPECT_EQ(SymbolSlotImageName(15), "OPImg15");
}

struct SizeCase {
  int width, height;
  PixelFormat format;
  Status expected;
};
class SlotRead : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SlotRead, ShowsSymbolsUpToThirtyByThirtyInAnyFormat) {
  const SizeCase& c = GetParam();
  QTemporaryDir dir;
  const QImage symbol = ConvertedTo(DiagonalSymbol(c.width, c.height), c.format);
  PutSlotFile(dir.path(), 4, symbol);
  const SymbolSlotRead read = ReadSymbolSlot(dir.path(), 4);
  EXPECT_EQ(read.status, c.expected);
  if (c.expected != Status::Loaded) {
    EXPECT_TRUE(read.image.isNull());
    return;
  }
  ASSERT_EQ(read.image.size(), QSize(c.width, c.height));
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      ASSERT_EQ(PixelColor(read.image, x, y), PixelColor(symbol, x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, SlotRead,
                         ::testing::Values(SizeCase{30, 30, PixelFormat::Bits4, Status::Loaded},
                                           SizeCase{5, 5, PixelFormat::Bits4, Status::Loaded},
                                           SizeCase{1, 1, PixelFormat::Bits4, Status::Loaded},
                                           SizeCase{12, 30, PixelFormat::Bits8, Status::Loaded},
                                           SizeCase{30, 7, PixelFormat::Bits24, Status::Loaded},
                                           SizeCase{31, 20, PixelFormat::Bits4, Status::TooLarge},
                                           SizeCase{20, 31, PixelFormat::Bits24, Status::TooLarge},
                                           SizeCase{400, 300, PixelFormat::Bits8,
                                                    Status::TooLarge}),
                         [](const auto& tc) {
                           return "Size" + std::to_string(tc.param.width) + "x" +
                                  std::to_string(tc.param.height) + "_" +
                                  scoreink::test::PixelFormatName(tc.param.format);
                         });

// A BMP header claiming width x height pixels of 24 bits, and no pixels.
QByteArray BmpHeaderOnly(int width, int height) {
  QByteArray bytes(54, '\0');
  auto put32 = [&](int at, quint32 v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = char(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, 54);
  put32(10, 54);
  put32(14, 40);
  put32(18, quint32(width));
  put32(22, quint32(height));
  bytes[26] = 1;
  bytes[28] = 24;
  return bytes;
}

TEST(SlotRead, DamagedFilesAreUnreadableWithTheReadersMessage) {
  QTemporaryDir dir;
  QByteArray good;
  {
    PutSlotFile(dir.path(), 1, DiagonalSymbol(20, 20));
    good = ReadBytes(SymbolSlotFile(dir.path(), 1));
  }
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"Empty", QByteArray()},
      {"NotABitmap", QByteArray("this is not a picture at all, only some words")},
      {"Truncated", good.left(good.size() / 2)},
      {"HeaderOnly", BmpHeaderOnly(20, 20)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PutSlotBytes(dir.path(), 3, c.bytes);
    const SymbolSlotRead read = ReadSymbolSlot(dir.path(), 3);
    EXPECT_EQ(read.status, Status::Unreadable);
    EXPECT_TRUE(read.image.isNull());
    EXPECT_TRUE(read.error.contains("3.bmp")) << read.error.toStdString();
  }
}

TEST(SlotRead, AHugePictureIsRefusedFromItsHeaderAlone) {
  QTemporaryDir dir;
  // Decoding would need far more memory than the file has bytes; the header says enough.
  PutSlotBytes(dir.path(), 2, BmpHeaderOnly(4960, 7016));
  EXPECT_EQ(ReadSymbolSlot(dir.path(), 2).status, Status::TooLarge);
}

TEST(SlotRead, NoFileOrAFolderIsAnEmptySlot) {
  QTemporaryDir dir;
  EXPECT_EQ(ReadSymbolSlot(dir.path(), 6).status, Status::Missing);
  ASSERT_TRUE(QDir().mkpath(SymbolSlotFile(dir.path(), 6)));
  EXPECT_EQ(ReadSymbolSlot(dir.path(), 6).status, Status::Missing);
  EXPECT_EQ(ReadSymbolSlot(dir.path() + "/none", 6).status, Status::Missing);
}

TEST(BlackTest, OnlyExactBlackCounts) {
  const struct {
    const char* name;
    QImage drawing;
    bool expected;
  } cases[] = {
      {"AllWhite", NewBitmap(30, 30, PixelFormat::Bits24), false},
      {"NearBlack",
       [] {
         QImage d = NewBitmap(30, 30, PixelFormat::Bits24);
         d.setPixel(4, 4, qRgb(1, 0, 0));
         d.setPixel(5, 5, qRgb(0, 0, 1));
         return d;
       }(),
       false},
      {"TemplateInk",
       [] {
         QImage d = NewBitmap(30, 30, PixelFormat::Bits8);
         d.scanLine(3)[3] = uchar(TemplateInkIndex());
         return d;
       }(),
       false},
      {"OnePixelBottomRight",
       [] {
         QImage d = NewBitmap(30, 30, PixelFormat::Bits24);
         d.setPixel(29, 29, qRgb(0, 0, 0));
         return d;
       }(),
       true},
      {"OnePixelTopLeft8Bit",
       [] {
         QImage d = NewBitmap(7, 5, PixelFormat::Bits8);
         d.scanLine(0)[0] = uchar(kBlackIndex);
         return d;
       }(),
       true},
      {"FourBit", ConvertedTo(DiagonalSymbol(6, 9), PixelFormat::Bits4), true},
      {"Rgb32", DiagonalSymbol(5, 5).convertToFormat(QImage::Format_RGB32), true},
      {"Null", QImage(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(HasBlackPixel(c.drawing), c.expected) << c.name;
}

TEST(SlotWrite, WritesAFourBitFileFromACopyOfTheDrawing) {
  QTemporaryDir dir;
  const QImage drawing = DiagonalSymbol(30, 30);
  const QImage before = drawing.copy();
  const SymbolSlotWrite result = WriteSymbolSlot(drawing, dir.path(), 9);
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(drawing, before) << "the drawing keeps its format and pixels";
  EXPECT_EQ(PixelFormatOf(result.written), PixelFormat::Bits4);

  const QByteArray file = ReadBytes(SymbolSlotFile(dir.path(), 9));
  ASSERT_GE(file.size(), 54);
  EXPECT_EQ(file.left(2), "BM");
  EXPECT_EQ(uchar(file[28]), 4) << "4 bits per pixel";
  const SymbolSlotRead read = ReadSymbolSlot(dir.path(), 9);
  ASSERT_EQ(read.status, Status::Loaded);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      ASSERT_EQ(PixelColor(read.image, x, y), PixelColor(drawing, x, y)) << x << "," << y;
      ASSERT_EQ(PixelColor(result.written, x, y), PixelColor(drawing, x, y));
    }
  EXPECT_EQ(Entries(dir.path()), QStringList{"9.bmp"}) << "no temporary file left";
}

TEST(SlotWrite, ReplacesTheOldSymbol) {
  QTemporaryDir dir;
  PutSlotFile(dir.path(), 2, DiagonalSymbol(30, 30));
  ASSERT_TRUE(WriteSymbolSlot(DiagonalSymbol(5, 8), dir.path(), 2).ok());
  EXPECT_EQ(ReadSymbolSlot(dir.path(), 2).image.size(), QSize(5, 8));
}

TEST(SlotWrite, AMissingFolderIsAClearErrorNamingTheFile) {
  QTemporaryDir dir;
  const SymbolSlotWrite result = WriteSymbolSlot(DiagonalSymbol(5, 5), dir.filePath("OpPIX"), 5);
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.error.contains("5.bmp")) << result.error.toStdString();
  EXPECT_TRUE(result.written.isNull());
}

TEST(SlotWrite, AFullDiskKeepsTheOldSlotFileWhole) {
  QTemporaryDir dir;
  const QString store = dir.filePath("OpPIX");
  ASSERT_TRUE(QDir().mkpath(store));
  ScratchMount disk(store, "size=4k");
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  PutSlotFile(store, 7, DiagonalSymbol(20, 20));  // takes the one page there is
  const QByteArray old = ReadBytes(SymbolSlotFile(store, 7));
  for (int n : {7, 8}) {
    SCOPED_TRACE(n);
    const SymbolSlotWrite result = WriteSymbolSlot(DiagonalSymbol(30, 30), store, n);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QString::number(n) + ".bmp")) << result.error.toStdString();
  }
  EXPECT_EQ(ReadBytes(SymbolSlotFile(store, 7)), old);
  EXPECT_EQ(Entries(store), QStringList{"7.bmp"}) << "no partial file left behind";
}

TEST(SlotWrite, AWriteProtectedStoreIsRefusedAndKeepsItsFiles) {
  QTemporaryDir dir;
  const QString store = dir.filePath("OpPIX");
  ASSERT_TRUE(QDir().mkpath(store));
  ProtectedFolder folder(store);
  if (!folder.usable()) GTEST_SKIP() << "root ignores permissions and no read-only mount works";
  PutSlotFile(store, 1, DiagonalSymbol(10, 10));
  ASSERT_TRUE(QFile::setPermissions(SymbolSlotFile(store, 1), QFile::ReadOwner));
  const QByteArray old = ReadBytes(SymbolSlotFile(store, 1));
  ASSERT_TRUE(folder.Protect());
  for (int n : {1, 2}) {
    SCOPED_TRACE(n);
    const SymbolSlotWrite result = WriteSymbolSlot(DiagonalSymbol(30, 30), store, n);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QString::number(n) + ".bmp")) << result.error.toStdString();
  }
  EXPECT_EQ(ReadBytes(SymbolSlotFile(store, 1)), old);
  EXPECT_EQ(Entries(store), QStringList{"1.bmp"});
}

TEST(StoreFolder, IsMadeOnceAndAFileInTheWayIsAClearError) {
  QTemporaryDir dir;
  const QString store = dir.filePath("OpPIX");
  EXPECT_EQ(EnsureSymbolFolder(store), QString());
  EXPECT_TRUE(QFileInfo(store).isDir());
  EXPECT_EQ(EnsureSymbolFolder(store), QString()) << "an existing folder is fine";

  const QString blocked = dir.filePath("Blocked");
  PutSlotBytes(dir.path(), 1, "x");
  ASSERT_TRUE(QFile::rename(SymbolSlotFile(dir.path(), 1), blocked));
  const QString inTheWay = EnsureSymbolFolder(blocked);
  EXPECT_TRUE(inTheWay.contains("Blocked")) << inTheWay.toStdString();
  EXPECT_TRUE(inTheWay.contains("同じ名前のファイルがある")) << inTheWay.toStdString();

  const QString deeper = EnsureSymbolFolder(dir.filePath("gone/OpPIX"));
  EXPECT_FALSE(deeper.isEmpty()) << "one level only";
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("gone")));
}

}  // namespace
}  // namespace scoreink::test

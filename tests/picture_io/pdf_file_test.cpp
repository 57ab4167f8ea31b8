// PDF pages: each page of a 3-page PDF with vector text and staff lines, rendered at 150, 300
// and 600 dpi into the score's 8-bit picture (in one pass or in bands), has the page's size and
// its staff lines where the page puts them, thin ones too. Bad files give a clear reason, and
// Poppler prints nothing meanwhile.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <functional>
#include <map>

#include "picture_test_support.h"
#include "platform/picture_files/pdf_reader.h"
#include "platform/picture_files/picture_at_8_bits.h"
#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {
namespace {

// The test pages: paper in points, and the first of five staff lines 7.9 pt apart (the first
// page's lines are thinner than a pixel at 150 dpi).
struct TestPage {
  QSizeF paper;
  double firstLine;
  double lineWidths[5];
};
const TestPage kPages[] = {
    {{595, 842}, 200.3, {0.1, 0.25, 0.4, 0.5, 1.0}},
    {{420, 595}, 150.7, {0.5, 0.5, 0.8, 0.8, 1.5}},
    {{612, 792}, 333.1, {1.0, 0.3, 1.0, 0.3, 1.0}},
};
constexpr double kSpacing = 7.9;
constexpr double kColumn = 250;  // points from the left, where the lines are looked at

// A PDF of pages of the given sizes, each drawn in points by draw(painter, page).
QString MakePdf(const QString& path, const std::vector<QSizeF>& papers,
                const std::function<void(QPainter&, int)>& draw) {
  QPdfWriter writer(path);
  writer.setResolution(7200);
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setPageSize(QPageSize(papers[0], QPageSize::Point));
  QPainter painter(&writer);
  for (int i = 0; i < int(papers.size()); ++i) {
    if (i > 0) writer.setPageSize(QPageSize(papers[size_t(i)], QPageSize::Point));
    if (i > 0) writer.newPage();
    painter.resetTransform();
    painter.scale(100, 100);
    draw(painter, i);
  }
  return path;
}

QString MakeThreePages(const QString& path) {
  return MakePdf(path, {kPages[0].paper, kPages[1].paper, kPages[2].paper}, [](QPainter& p, int i) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(20);  // points, as the painter draws
    p.setFont(font);
    p.drawText(QPointF(60, 80), QStringLiteral("Page %1 楽譜").arg(i + 1));
    for (int l = 0; l < 5; ++l) {
      p.setPen(QPen(Qt::black, kPages[i].lineWidths[l], Qt::SolidLine, Qt::FlatCap));
      const double y = kPages[i].firstLine + l * kSpacing;
      p.drawLine(QPointF(60, y), QPointF(360, y));
    }
  });
}

bool Dark(const QImage& picture, int x, int y) {
  return qGray(picture.color(picture.pixelIndex(x, y))) < 128;
}

struct PageCase {
  int page;
  int dpi;
  QSize pixels;
  qint64 passBytes;  // 0: read as the score file dialog reads, in one pass
};

class PdfPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(PdfPages, PickedPageHasItsSizeAndItsStaffLinesWhereThePagePutsThem) {
  static QTemporaryDir dir;
  static const QString path = MakeThreePages(dir.filePath(QStringLiteral("three.pdf")));
  const PageCase c = GetParam();
  ASSERT_EQ(CountPages(path).pages, 3);
  PictureAt8Bits at8Bits;
  ReadWatch watch;
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  ASSERT_EQ(c.passBytes ? ReadPdfInto(file, at8Bits, &watch, c.page, c.dpi, c.passBytes)
                        : ReadPicture(path, at8Bits, &watch, PagePick{c.page, c.dpi}),
            QString());
  EXPECT_EQ(watch.Permille(), 1000);
  const QImage picture = at8Bits.Take();
  ASSERT_EQ(picture.size(), c.pixels);
  EXPECT_EQ(picture.dotsPerMeterX(), qRound(c.dpi / 0.0254));

  // The centres of the dark runs down the column, against the lines' centres.
  const double scale = c.dpi / 72.0;
  const TestPage& page = kPages[c.page];
  std::vector<double> found;
  const int x = int(kColumn * scale);
  for (int y = int((page.firstLine - 5) * scale); y < int((page.firstLine + 40) * scale); ++y) {
    if (!Dark(picture, x, y)) continue;
    const int first = y;
    while (Dark(picture, x, y + 1)) ++y;
    found.push_back((first + y + 1) / 2.0);
  }
  ASSERT_EQ(found.size(), 5u);
  for (int i = 0; i < 5; ++i)
    EXPECT_NEAR(found[size_t(i)], (page.firstLine + i * kSpacing) * scale, 1.0)
        << "line of " << page.lineWidths[i] << " pt";
  int ink = 0;  // the title's text
  for (int y = int(60 * scale); y < int(85 * scale); ++y)
    for (int tx = int(60 * scale); tx < int(200 * scale); ++tx) ink += Dark(picture, tx, y);
  EXPECT_GT(ink, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EachPageAtEachResolution, PdfPages,
    ::testing::Values(PageCase{0, 150, {1240, 1754}, 0}, PageCase{0, 300, {2479, 3508}, 0},
                      PageCase{0, 600, {4958, 7017}, 0}, PageCase{1, 150, {875, 1240}, 0},
                      PageCase{1, 300, {1750, 2479}, 0}, PageCase{1, 600, {3500, 4958}, 0},
                      PageCase{2, 150, {1275, 1650}, 0}, PageCase{2, 300, {2550, 3300}, 0},
                      PageCase{2, 600, {5100, 6600}, 0},
                      // In bands: 3 of 1127 rows and one of 127; 6 of 1000 and one of 600.
                      PageCase{0, 300, {2479, 3508}, 2479 * 4 * 1127},
                      PageCase{2, 600, {5100, 6600}, 5100 * 4 * 1000}),
    [](const auto& test) {
      return "Page" + std::to_string(test.param.page + 1) + "At" + std::to_string(test.param.dpi) +
             (test.param.passBytes ? "InBands" : "");
    });

// The page tree emptied in place, so that every offset of the file stays right.
QByteArray WithoutPages(QByteArray bytes) {
  bytes.replace("/Count 3", "/Count 0");
  const qsizetype kids = bytes.indexOf('[', bytes.indexOf("/Kids")) + 1;
  for (qsizetype i = kids; i < bytes.indexOf(']', kids); ++i) bytes[i] = ' ';
  return bytes;
}

// A standard security handler whose user password is not the empty one: readers ask for it.
QByteArray Locked(QByteArray bytes) {
  const QByteArray hash = QByteArray(32, '\x5A').toHex();
  return bytes.replace("/Root ", "/Encrypt << /Filter /Standard /V 1 /R 2 /P -4 /O <" + hash +
                                     "> /U <" + hash + "> >>\n/ID [<0011> <0011>]\n/Root ");
}

struct BadPdf {
  const char* name;
  int page;
  QString reason;  // Poppler's own words may follow
  bool counted;    // CountPages gives the same reason
  int fits;        // LargestPdfDpiThatFits
};

TEST(PdfRead, BadFilesAndPagesTooLargeGiveAClearReasonAndPopplerSaysNothing) {
  QTemporaryDir dir;
  const QByteArray good = test::FileBytes(MakeThreePages(dir.filePath("good.pdf")));
  MakePdf(dir.filePath("posters.pdf"), {{595, 842}, {3000, 3000}, {4000, 5000}, {14400, 14400}},
          [](QPainter& p, int) { p.drawLine(QPointF(10, 10), QPointF(100, 10)); });
  const QByteArray noise(4000, 'x');
  const std::map<QString, QByteArray> files = {
      {"locked.pdf", Locked(good)},
      {"cut.pdf", good.left(good.size() / 2)},
      {"cut_trailer.pdf", good.left(good.size() - 40)},
      {"no_pages.pdf", WithoutPages(good)},
      {"broken.pdf", "%PDF-1.4\n" + noise + "\n%%EOF\n"},
      {"noise.pdf", noise},
      {"empty.pdf", QByteArray()},
  };
  for (const auto& [name, bytes] : files) test::WriteFileBytes(dir.filePath(name), bytes);
  const QString tooLarge = QStringLiteral("このページは 600 dpi だと大きすぎて扱えない ");
  const BadPdf cases[] = {
      {"locked.pdf", 0, QStringLiteral("パスワードで鍵がかかったPDFは開けない"), true, 0},
      {"cut.pdf", 0, ReasonTruncated(), true, 0},
      {"cut_trailer.pdf", 0, ReasonTruncated(), true, 0},
      {"no_pages.pdf", 0, QStringLiteral("PDFにページが1枚もない"), true, 0},
      {"broken.pdf", 0, QStringLiteral("PDFの中身が壊れている"), true, 0},
      {"noise.pdf", 0, ReasonNotPdf(), true, 0},
      {"empty.pdf", 0, ReasonEmptyFile(), true, 0},
      {"good.pdf", 3, QStringLiteral("PDFに 4 ページ目はない (全部で 3 ページ)"), false, 0},
      {"posters.pdf", 1, tooLarge + "(25000 x 25000)。300 dpi なら開ける", false, 300},
      {"posters.pdf", 2, tooLarge + "(33333 x 41667)。150 dpi なら開ける", false, 150},
      {"posters.pdf", 3, tooLarge + "(120000 x 120000)", false, 0},
  };
  // Everything written to the standard error meanwhile goes to a file.
  QTemporaryFile stderrFile;
  ASSERT_TRUE(stderrFile.open());
  fflush(stderr);
  const int savedStderr = dup(2);
  dup2(stderrFile.handle(), 2);
  for (const BadPdf& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " page " + std::to_string(c.page + 1));
    const QString path = dir.filePath(QLatin1String(c.name));
    const QString message = ReadFailureMessage(path, c.reason);
    PictureAt8Bits at8Bits;
    EXPECT_TRUE(ReadPicture(path, at8Bits, nullptr, PagePick{c.page, 600}).startsWith(message));
    EXPECT_FALSE(at8Bits.size().isValid());  // nothing rendered
    const PageCount count = CountPages(path);
    EXPECT_TRUE(c.counted ? count.error.startsWith(message) : count.ok())
        << count.error.toStdString();
    EXPECT_EQ(LargestPdfDpiThatFits(path, c.page), c.fits);
  }
  EXPECT_EQ(LargestPdfDpiThatFits(dir.filePath("posters.pdf"), 0), 600);
  fflush(stderr);
  dup2(savedStderr, 2);
  close(savedStderr);
  EXPECT_EQ(test::FileBytes(stderrFile.fileName()), QByteArray());
}

// Esc while the page renders (the watch asks to stop as the sink takes the picture's memory or
// its first rows): the reading ends as cancelled and the score gets no more rows.
class CancellingSink final : public PictureSink {
 public:
  CancellingSink(ReadWatch& watch, bool atFirstRows) : watch_(watch), atFirstRows_(atFirstRows) {}
  bool Begin(const PictureShape& shape) override {
    width_ = shape.size.width();
    if (!atFirstRows_) watch_.RequestCancel();
    return true;
  }
  BandRows Room(int, int count) override {
    watch_.RequestCancel();
    rows_ += count;
    return band_.Room(width_, count);
  }
  void Filled(int, int) override {}
  void TakeWhole(QImage) override {}
  int rows_ = 0;

 private:
  ReadWatch& watch_;
  bool atFirstRows_;
  int width_ = 0;
  RgbBand band_;
};

TEST(PdfRead, CancelStopsTheRendering) {
  QTemporaryDir dir;
  const QString path = MakeThreePages(dir.filePath("three.pdf"));
  // Page 1 at 300 dpi in passes of 1000 rows: a cancel in the first pass hands none of them, a
  // cancel while the first pass is handed lets it finish and no other start.
  for (const auto& [atFirstRows, rowsHanded] : {std::pair{false, 0}, std::pair{true, 1000}}) {
    SCOPED_TRACE(atFirstRows);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ReadWatch watch;
    CancellingSink sink(watch, atFirstRows);
    EXPECT_EQ(ReadPdfInto(file, sink, &watch, 0, 300, 2479 * 4 * 1000), ReasonCancelled());
    EXPECT_EQ(sink.rows_, rowsHanded);
  }
}

}  // namespace
}  // namespace scoreink

// Writing PDF documents: the user's changes laid over pages turned and cropped every way land
// on exactly the pixels they were drawn on, the pages without changes and the document's text,
// bookmarks and metadata stay as they were, a save killed at any moment leaves the old file
// whole, and a picture becomes a one-page PDF of its size at its resolution.
#include <poppler-qt6.h>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "harness/test_child.h"
#include "picture_test_support.h"
#include "platform/picture_files/pdf_content_nesting.h"
#include "platform/picture_files/picture_io.h"

namespace scoreink {
namespace {

constexpr int kDpi = 150;

// Three A6 pages, each with a line of text and a few lines, the document titled, and (through
// qpdf) a bookmark; page 1 turned by rotate and cropped by crop (in points from the media
// box's corner) when given.
void MakeDocument(const QString& path, int rotate = 0, QRectF crop = QRectF()) {
  {
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Partita"));
    writer.setPageSize(QPageSize(QPageSize::A6));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    QPainter painter(&writer);
    for (int page = 0; page < 3; ++page) {
      if (page > 0) writer.newPage();
      painter.drawText(QPoint(100, 150 + 60 * page), QStringLiteral("Movement %1").arg(page + 1));
      for (int line = 0; line < 5; ++line)
        painter.fillRect(QRect(100, 400 + 30 * line, 900, 3), Qt::black);
    }
  }
  QPDF pdf;
  pdf.processFile(path.toLocal8Bit().constData());
  QPDFObjectHandle first = QPDFPageDocumentHelper(pdf).getAllPages()[0].getObjectHandle();
  if (rotate) first.replaceKey("/Rotate", QPDFObjectHandle::newInteger(rotate));
  if (!crop.isNull())
    first.replaceKey("/CropBox", QPDFObjectHandle::newFromRectangle(QPDFObjectHandle::Rectangle(
                                     crop.left(), crop.top(), crop.right(), crop.bottom())));
  QPDFObjectHandle outline = pdf.makeIndirectObject(
      QPDFObjectHandle::parse("<< /Title (Second movement) /Dest [ null /Fit ] >>"));
  QPDFObjectHandle dest = outline.getKey("/Dest");
  dest.setArrayItem(0, QPDFPageDocumentHelper(pdf).getAllPages()[1].getObjectHandle());
  QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Count 1 >>"));
  outline.replaceKey("/Parent", outlines);
  outlines.replaceKey("/First", outline);
  outlines.replaceKey("/Last", outline);
  pdf.getRoot().replaceKey("/Outlines", outlines);
  const QString tmp = path + ".tmp";
  QPDFWriter(pdf, tmp.toLocal8Bit().constData()).write();
  QFile::remove(path);
  QFile::rename(tmp, path);
}

QImage Page(const QString& path, int page) {
  return LoadPicture(path, PagePick{page, kDpi}).image;
}

// Two marks over the page shown: a black bar (every pixel changed) and a white cross over the
// text, as overlays of the page's pixels with their masks.
PageOverlays Marks(const QImage& shown, QImage& expected) {
  PageOverlays overlays;
  expected = shown.convertToFormat(QImage::Format_RGB888);
  const QRect areas[] = {QRect(30, 40, 90, 17),
                         QRect(shown.width() / 2, shown.height() - 70, 41, 60)};
  for (const QRect& area : areas) {
    PageOverlay overlay{area, shown.copy(area).convertToFormat(QImage::Format_RGB888),
                        QImage(area.size(), QImage::Format_Mono)};
    overlay.mask.fill(0);
    for (int y = 0; y < area.height(); ++y)
      for (int x = 0; x < area.width(); ++x) {
        const bool bar = area.x() == 30, cross = x == area.width() / 2 || y == area.height() / 3;
        if (!bar && !cross) continue;
        const QRgb ink = bar ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        overlay.pixels.setPixel(x, y, ink);
        overlay.mask.setPixel(x, y, 1);
        expected.setPixel(area.x() + x, area.y() + y, ink);
      }
    overlays.push_back(overlay);
  }
  return overlays;
}

std::string ContentOf(const QString& path, int page) {
  QPDF pdf;
  pdf.processFile(path.toLocal8Bit().constData());
  QPDFPageObjectHelper helper = QPDFPageDocumentHelper(pdf).getAllPages()[size_t(page)];
  const std::shared_ptr<Buffer> content =
      helper.getObjectHandle().getKey("/Contents").getStreamData(qpdf_dl_all);
  return std::string(reinterpret_cast<const char*>(content->getBuffer()), content->getSize());
}

TEST(PdfWriter, ChangesLandOnTheirPixelsOfPagesTurnedAndCroppedEveryWay) {
  struct Case {
    int rotate;
    QRectF crop;
  };
  const Case cases[] = {
      {0, {}}, {90, {}}, {180, QRectF(20, 30, 250, 300)}, {270, QRectF(5, 0, 200, 410)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rotate);
    QTemporaryDir dir;
    const QString source = dir.filePath("part.pdf"), saved = dir.filePath("saved.pdf");
    MakeDocument(source, c.rotate, c.crop);
    const QImage shown = Page(source, 0);
    QImage expected;
    const PageOverlays marks = Marks(shown, expected);
    ASSERT_TRUE(SavePdfWithOverlays(source, {{0, marks}}, kDpi, saved).ok());
    EXPECT_TRUE(test::SameColors(Page(saved, 0), expected));
    EXPECT_EQ(ContentOf(saved, 1), ContentOf(source, 1)) << "a page without changes is untouched";
  }
}

TEST(PdfWriter, TheDocumentKeepsItsTextBookmarksAndMetadata) {
  QTemporaryDir dir;
  const QString source = dir.filePath("part.pdf"), saved = dir.filePath("saved.pdf");
  MakeDocument(source);
  QImage expected;
  ASSERT_TRUE(SavePdfWithOverlays(
                  source,
                  {{0, Marks(Page(source, 0), expected)}, {2, Marks(Page(source, 2), expected)}},
                  kDpi, saved)
                  .ok());
  const std::unique_ptr<Poppler::Document> doc = Poppler::Document::load(saved);
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->numPages(), 3);
  for (int page = 0; page < 3; ++page)
    EXPECT_TRUE(
        doc->page(page)->text(QRectF()).contains(QStringLiteral("Movement %1").arg(page + 1)));
  EXPECT_EQ(doc->info(QStringLiteral("Title")), "Partita");
  const QList<Poppler::OutlineItem> outline = doc->outline();
  ASSERT_EQ(outline.size(), 1);
  EXPECT_EQ(outline[0].name(), "Second movement");
}

// Run by the test below in a process of its own: saves over the same file again and again.
const char kSaveLoop[] = "SCOREINK_PDF_SAVE_LOOP";

TEST(PdfWriterChild, SavesOverItsFileUntilKilled) {
  const QString target = qEnvironmentVariable(kSaveLoop);
  if (target.isEmpty()) GTEST_SKIP() << "started by PdfWriter only";
  QImage expected;
  const PageOverlays marks = Marks(Page(target, 0), expected);
  for (;;) SavePdfWithOverlays(target, {{0, marks}, {1, marks}, {2, marks}}, kDpi, target);
}

TEST(PdfWriter, ASaveKilledAtAnyMomentLeavesAWholeFile) {
  QTemporaryDir dir;
  const QString target = dir.filePath("part.pdf");
  MakeDocument(target);
  for (const int ms : {30, 70, 110, 160, 230}) {
    QProcess child;
    test::StartTestChild(child, "PdfWriterChild.SavesOverItsFileUntilKilled", kSaveLoop, target);
    ASSERT_TRUE(child.waitForStarted());
    QThread::msleep(ulong(300 + ms));
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();
    const std::unique_ptr<Poppler::Document> doc = Poppler::Document::load(target);
    ASSERT_TRUE(doc) << "killed after " << ms << " ms";
    EXPECT_EQ(doc->numPages(), 3);
    EXPECT_TRUE(doc->page(2)->text(QRectF()).contains("Movement 3"));
  }
}

// What a page's content leaves open is counted by its operators, never by letters inside
// strings, names, comments or inline images; a page of two streams is one content.
TEST(PdfWriter, ThePageContentsNestingIsCountedByItsOperatorsOnly) {
  struct Case {
    std::vector<std::string> streams;
    ContentNesting nesting;
  };
  const Case cases[] = {
      {{"q 1 0 0 1 5 5 cm q Q"}, {0, 1, false}},
      {{"Q Q q 0 g"}, {2, 1, false}},
      {{"BT /F1 9 Tf (q) Tj"}, {0, 0, true}},
      {{"q BT (a\\) Q \\(Q) Tj ET Q Q"}, {1, 0, false}},
      {{"% q q q\nq <515151> Tj /Q 1 d0"}, {0, 1, false}},
      {{"BI /W 2 /H 1 /BPC 8 /CS /G ID q Q\n EI q"}, {0, 1, false}},
      {{"q BT", "ET"}, {0, 1, false}},
      {{"q<</A 1>>BDC Q"}, {0, 0, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.streams[0]);
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle contents = QPDFObjectHandle::newArray();
    for (const std::string& text : c.streams) contents.appendItem(pdf.newStream(text));
    QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 10 10] >>");
    page.replaceKey("/Contents", contents);
    QPDFPageObjectHelper helper(pdf.makeIndirectObject(page));
    const ContentNesting got = NestingOf(helper);
    EXPECT_EQ(got.unmatchedRestores, c.nesting.unmatchedRestores);
    EXPECT_EQ(got.openSaves, c.nesting.openSaves);
    EXPECT_EQ(got.textOpen, c.nesting.textOpen);
  }
}

QImage PictureAt(int width, int height, int dpi) {
  QImage picture = test::IndexedSample(width, height, 2);
  picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  picture.setDotsPerMeterX(qRound(dpi / 0.0254));
  picture.setDotsPerMeterY(qRound(dpi / 0.0254));
  return picture;
}

// A scan alone, and the pages of a TIFF (each asked for once, in order), become pages of their
// pictures' size at their resolution, pixel for pixel.
TEST(PdfWriter, PicturesBecomePagesOfTheirSizeAtTheirResolution) {
  QTemporaryDir dir;
  const QImage one = PictureAt(150, 90, kDpi);
  ASSERT_TRUE(SavePicturePdf(one, dir.filePath("scan.pdf")).ok());
  const std::vector<QImage> pages = {PictureAt(300, 180, 2 * kDpi), PictureAt(75, 120, kDpi), one};
  std::vector<int> asked;
  ASSERT_TRUE(SavePicturesPdf(
                  3,
                  [&](int page, QString&) {
                    asked.push_back(page);
                    return pages[size_t(page)];
                  },
                  dir.filePath("pages.pdf"))
                  .ok());
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
  const std::pair<QString, std::vector<QImage>> files[] = {{"scan.pdf", {one}},
                                                           {"pages.pdf", pages}};
  for (const auto& [name, pictures] : files) {
    const std::unique_ptr<Poppler::Document> doc = Poppler::Document::load(dir.filePath(name));
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->numPages(), int(pictures.size()));
    for (int n = 0; n < int(pictures.size()); ++n) {
      const QImage& picture = pictures[size_t(n)];
      const int dpi = qRound(picture.dotsPerMeterX() * 0.0254);
      EXPECT_EQ(doc->page(n)->pageSizeF(),
                QSizeF(picture.width() * 72.0 / dpi, picture.height() * 72.0 / dpi));
      EXPECT_TRUE(
          test::SameColors(LoadPicture(dir.filePath(name), PagePick{n, dpi}).image, picture))
          << name.toStdString() << " " << n;
    }
  }
}

TEST(PdfWriter, WhatCannotBeWrittenSaysWhyAndKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString target = dir.filePath("old.pdf");
  test::WriteFileBytes(target, "old");
  test::WriteFileBytes(dir.filePath("broken.pdf"), "%PDF-1.4\nnothing here");
  const PageOverlay noMask{QRect(0, 0, 4, 4), QImage(4, 4, QImage::Format_RGB888), QImage()};
  const std::pair<QString, std::map<int, PageOverlays>> cases[] = {
      {dir.filePath("missing.pdf"), {}},
      {dir.filePath("broken.pdf"), {}},
      {dir.filePath("broken.pdf"), {{0, {noMask}}}},
  };
  for (const auto& [source, overlays] : cases) {
    const WriteResult result = SavePdfWithOverlays(source, overlays, kDpi, target);
    EXPECT_FALSE(result.ok()) << source.toStdString();
    EXPECT_EQ(test::FileBytes(target), "old");
  }
}

}  // namespace
}  // namespace scoreink

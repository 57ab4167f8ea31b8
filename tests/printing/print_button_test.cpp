// The print button: the whole score stretched onto the printable area of one page, whatever
// the zoom, with what floats stamped first; failures told, and the score left as it was.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>

#include "harness/score_window_harness.h"
#include "platform/picture_files/picture_io.h"
#include "platform/ui/image_control.h"
#include "print_test_support.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

constexpr int kRenderDpi = 60;  // an A4 page of 496 x 702 pixels

// The first page printed, rendered; fails the test when there is none.
QImage RenderedPage(ScoreWindowHarness& ui, size_t index = 0) {
  const auto& pages = ui.Printer().Pages();
  if (pages.size() <= index) {
    ADD_FAILURE() << "page " << index << " was not printed";
    return {};
  }
  QString error;
  const QImage page = RenderFirstPage(pages[index].pdf, kRenderDpi, &error);
  EXPECT_FALSE(page.isNull()) << error.toStdString();
  return page;
}

TEST(PrintButton, TemplateScoreFillsThePrintableAreaAtAboutSixTimesItsSize) {
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  ASSERT_EQ(ui.Score().size(), QSize(762, 1091));
  MarkCorners(ui.Score(), 8);
  ui.Click("Btn11");

  ASSERT_EQ(ui.Printer().Pages().size(), 1u);
  const PrintedPage& printed = ui.Printer().Pages()[0];
  EXPECT_EQ(PdfPageCount(printed.pdf), 1);
  EXPECT_NEAR(double(printed.printable.width()) / 762, 6.25, 0.1);
  EXPECT_NEAR(double(printed.printable.height()) / 1091, 6.25, 0.1);
  const QImage page = RenderedPage(ui);
  EXPECT_TRUE(NearRect(InkBounds(page), PrintableOnRendered(printed, kRenderDpi), 1));
  // The first staff line of the second system (page row 260 + 57) at its scaled place.
  const QRect printable = PrintableOnRendered(printed, kRenderDpi);
  const int staffRow = printable.top() + (260 + 57) * printable.height() / 1091;
  EXPECT_GT(DarkPixels(page, QRect(printable.left() + 50, staffRow - 1, 300, 3)), 250);
}

TEST(PrintButton, LandscapeScanIsStretchedToThePortraitPageNotLetterBoxed) {
  // A 600-dpi A4 scan lying on its side: large enough to go in many bands and as JPEG.
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  QImage scan = MarkedScan(7016, 4960, 120);
  // The left half black: no light seams where the bands meet.
  for (int y = 0; y < scan.height(); ++y) memset(scan.scanLine(y), kBlackIndex, 7016 / 2);
  ui.ScoreView()->SetPicture(scan);
  scan = QImage();
  ui->ApplyScoreZoom();
  ui.Click("Btn11");

  ASSERT_EQ(ui.Printer().Pages().size(), 1u);
  const QImage page = RenderedPage(ui);
  const QRect printable = PrintableOnRendered(ui.Printer().Pages()[0], kRenderDpi);
  EXPECT_TRUE(NearRect(InkBounds(page), printable, 1));
  EXPECT_GT(printable.height(), printable.width()) << "the page stays portrait";
  QRect leftHalf = printable;
  leftHalf.setRight(printable.left() + printable.width() / 2 - 2);
  EXPECT_EQ(DarkPixels(page, leftHalf), leftHalf.width() * leftHalf.height());
  const QRect rightMiddle(printable.center().x() + 3, printable.top() + 20,
                          printable.width() / 2 - 20, printable.height() - 40);
  EXPECT_EQ(DarkPixels(page, rightMiddle), 0);
}

TEST(PrintButton, ZoomHasNoEffectOnThePage) {
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  MarkCorners(ui.Score(), 8);
  ui.Click("Btn11");  // 100 percent
  ui.Click("Btn10");
  ui.Click("Btn10");  // 300 percent
  ui.Click("Btn11");
  for (int i = 0; i < 10; ++i) ui.Click("Btn9");  // 20 percent
  ASSERT_EQ(ui.Zoom(), 20);
  ui.Click("Btn11");

  ASSERT_EQ(ui.Printer().Pages().size(), 3u);
  const QImage atHundred = RenderedPage(ui, 0);
  EXPECT_EQ(RenderedPage(ui, 1), atHundred);
  EXPECT_EQ(RenderedPage(ui, 2), atHundred);
}

TEST(PrintButton, FloatingSymbolIsStampedFirstAndPrintedWithTheScore) {
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  const QImage before = ui.Score().copy();
  ui.Click("Img01");
  ui.PressOnScore({400, 20});  // white paper above the first system
  ui.ReleaseOnScore({400, 20});
  ASSERT_TRUE(ui.Overlay()->isVisible());
  const QRect overlay = ui.Overlay()->geometry().translated(-ui.ScoreView()->pos());
  ui.Click("Btn11");

  EXPECT_TRUE(ui.Overlay()->isHidden());
  EXPECT_NE(ui.Score(), before) << "the symbol is in the score";
  const QImage page = RenderedPage(ui);
  const QRect printable = PrintableOnRendered(ui.Printer().Pages()[0], kRenderDpi);
  const double sx = double(printable.width()) / ui.Score().width();
  const double sy = double(printable.height()) / ui.Score().height();
  const QRect underSymbol(printable.left() + int(overlay.left() * sx),
                          printable.top() + int(overlay.top() * sy), int(overlay.width() * sx) + 2,
                          int(overlay.height() * sy) + 2);
  EXPECT_GT(DarkPixels(page, underSymbol), 0) << "the symbol is on the page";
  EXPECT_EQ(DarkPixels(page, underSymbol.translated(0, underSymbol.height() + 4)), 0);
}

// Every way a print goes leaves the score, its history and its file name as they were.
struct PrintOutcome {
  const char* what;
  TestPrinterMode mode;
  const char* reason;  // in the message; null when none is shown
  bool printed;
};

class PrintButtonOutcome : public ::testing::TestWithParam<PrintOutcome> {};

TEST_P(PrintButtonOutcome, TellsWhatWentWrongAndChangesNothing) {
  const PrintOutcome& c = GetParam();
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  ui.DragOnScore({200, 400}, {260, 400});  // an edit the history counts
  CurrentScoreFile = ui.Folder().File("score.bmp");
  const QImage before = ui.Score().copy();
  const int history = HistoryPos();
  const QStringList snapshots = QDir(WorkFolder).entryList(QDir::Files);
  const bool overwriteEnabled = ui->Control<QPushButton>("Btn4")->isEnabled();
  ui.Printer().SetMode(c.mode, QStringLiteral("Destination \"x\" is not accepting jobs."));
  if (c.reason) ui.Dialogs().AnswerBox(kIdOk, QStringLiteral("エラー"));

  ui.Click("Btn11");

  EXPECT_EQ(ui.Printer().JobsOpened(), 1);
  EXPECT_EQ(ui.Printer().Pages().size(), c.printed ? 1u : 0u);
  if (c.reason) {
    ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
    const QString text = ui.Dialogs().Boxes()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("印刷できない\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.reason))) << text.toStdString();
    EXPECT_EQ(ui.Dialogs().Boxes()[0].buttons, MsgButtons::Ok);
  } else {
    EXPECT_TRUE(ui.Dialogs().Boxes().empty());
  }
  EXPECT_EQ(ui.Score(), before);
  EXPECT_EQ(HistoryPos(), history);
  EXPECT_EQ(QDir(WorkFolder).entryList(QDir::Files), snapshots);
  EXPECT_EQ(CurrentScoreFile, ui.Folder().File("score.bmp"));
  EXPECT_EQ(ui->Control<QPushButton>("Btn4")->isEnabled(), overwriteEnabled);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone";
  EXPECT_EQ(ui->focusWidget(), ui->Control("Edit0"));
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PrintButtonOutcome,
    ::testing::Values(
        PrintOutcome{"Prints", TestPrinterMode::Prints, nullptr, true},
        PrintOutcome{"NoPrinter", TestPrinterMode::Missing, "既定のプリンタがない", false},
        PrintOutcome{"Refuses", TestPrinterMode::Refuses,
                     "プリンタが受け付けない (Destination \"x\" is not accepting jobs.)", false},
        PrintOutcome{"CannotStart", TestPrinterMode::CannotStart, "プリンタが印刷を始められない",
                     false}),
    [](const ::testing::TestParamInfo<PrintOutcome>& param) { return param.param.what; });

// A document of three pages, shown at its second: one job of three pages, the first page first.
TEST(PrintButton, EveryPageOfADocumentGoesInOneJobInItsOrder) {
  QTemporaryDir dir;
  const QString path = dir.filePath("part.pdf");
  {
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A6));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(150);
    QPainter painter(&pdf);
    for (int page = 0; page < 3; ++page) {
      if (page > 0) pdf.newPage();
      painter.fillRect(QRect(100, 100 + 200 * page, 400, 40), Qt::black);
    }
  }
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  ui->ShowScorePicture(LoadPicture(path, PagePick{1, 150}).image);
  ui->AdoptOpenedScore(path, PagePick{1, 150}, 3);
  ui.Click("Btn11");
  ASSERT_EQ(ui.Printer().Pages().size(), 1u);
  EXPECT_EQ(PdfPageCount(ui.Printer().Pages()[0].pdf), 3);
  const QRect printable = PrintableOnRendered(ui.Printer().Pages()[0], kRenderDpi);
  const QRect bar = InkBounds(RenderedPage(ui));
  EXPECT_NEAR(double(bar.top() - printable.top()) / printable.height(), 100.0 / 874, 0.01)
      << "the first page's bar";
}

TEST(PrintButton, ShowsTheHourglassWhileThePageIsSent) {
  ScoreWindowHarness ui(WithPrinter600Offsets100());
  ui.Click("Btn11");
  ASSERT_EQ(ui.Printer().Pages().size(), 1u);
  EXPECT_TRUE(ui.Printer().Pages()[0].busyWhileSent);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace scoreink::test

// Printing on a real CUPS default printer: a scheduler of the test's own with a cups-pdf
// queue, the printer facts it gives, a page printed through the print button, a queue that
// refuses jobs, and no scheduler at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "editing/blank_page.h"
#include "harness/score_window_harness.h"
#include "platform/ui/device_facts_reader.h"
#include "platform/ui/print_job.h"
#include "print_test_support.h"
#include "private_cups.h"

namespace scoreink::test {
namespace {

constexpr int kRenderDpi = 60;
constexpr int kJobTimeoutMs = 60000;

// The real default printer in place of the harness's PDF printer while it lives.
class ScopedRealPrinter {
 public:
  ScopedRealPrinter() : previous_(SetPrintJobOpener({})) {}
  ~ScopedRealPrinter() { SetPrintJobOpener(std::move(previous_)); }
  ScopedRealPrinter(const ScopedRealPrinter&) = delete;
  ScopedRealPrinter& operator=(const ScopedRealPrinter&) = delete;

 private:
  PrintJobOpener previous_;
};

// What the reader finds on the default printer, seen from a 96-dpi screen.
DeviceFacts RealFactsOn96DpiScreen() {
  DeviceFacts facts = ReadDeviceFacts();  // no test provider is installed here
  facts.screen = DefaultDeviceFacts().screen;
  return facts;
}

TEST(CupsDefaultPrinter, ItsFactsSizeTheBlankPageAndTheButtonPrintsTheScoreOnIt) {
  PrivateCups cups;
  if (!cups.Unavailable().isEmpty()) GTEST_SKIP() << cups.Unavailable().toStdString();

  const DeviceFacts facts = RealFactsOn96DpiScreen();
  ASSERT_TRUE(facts.printer.present);
  EXPECT_GT(facts.printer.dpiX, 0);
  EXPECT_EQ(facts.printer.dpiY, facts.printer.dpiX);
  // The queue's 12-point margins in the printer's own pixels.
  EXPECT_EQ(facts.printer.offsetX, facts.printer.dpiX * 12 / 72);
  EXPECT_EQ(facts.printer.offsetY, facts.printer.dpiY * 12 / 72);
  EXPECT_EQ(BlankPageSize(facts), QSize(762, 1091));

  WindowOptions options;
  options.facts = facts;
  ScoreWindowHarness ui(options);
  ASSERT_EQ(ui.Score().size(), QSize(762, 1091));
  MarkCorners(ui.Score(), 8);
  const QImage before = ui.Score().copy();
  ScopedRealPrinter realPrinter;
  ui.Click("Btn11");  // any message box fails the test

  ASSERT_TRUE(cups.WaitForCompletedJobs(1, kJobTimeoutMs)) << cups.LogTail().toStdString();
  const QStringList pages = cups.Pages();
  ASSERT_EQ(pages.size(), 1) << cups.LogTail().toStdString();
  EXPECT_EQ(PdfPageCount(pages[0]), 1);
  QString error;
  const QImage page = RenderFirstPage(pages[0], kRenderDpi, &error);
  ASSERT_FALSE(page.isNull()) << error.toStdString();
  EXPECT_NEAR(page.width(), 496, 1) << "an A4 sheet";
  EXPECT_NEAR(page.height(), 702, 1);
  const int margin = 12 * kRenderDpi / 72;
  const QRect printable(QPoint(margin, margin),
                        QPoint(page.width() - 1 - margin, page.height() - 1 - margin));
  EXPECT_TRUE(NearRect(InkBounds(page), printable, 1));
  EXPECT_EQ(ui.Score(), before);
}

TEST(CupsDefaultPrinter, QueueThatRefusesJobsIsToldAndNothingChanges) {
  PrivateCups cups(/*accepting=*/false);
  if (!cups.Unavailable().isEmpty()) GTEST_SKIP() << cups.Unavailable().toStdString();

  ScoreWindowHarness ui(WithPrinter600Offsets100());
  const QImage before = ui.Score().copy();
  ScopedRealPrinter realPrinter;
  ui.Dialogs().AnswerBox(kIdOk, QStringLiteral("エラー"));
  ui.Click("Btn11");

  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  const std::string text = ui.Dialogs().Boxes()[0].text.toStdString();
  EXPECT_NE(text.find("プリンタが受け付けない"), std::string::npos) << text;
  EXPECT_NE(text.find("not accepting"), std::string::npos) << "CUPS's own reason: " << text;
  EXPECT_TRUE(cups.Pages().isEmpty());
  EXPECT_EQ(ui.Score(), before);
}

TEST(CupsDefaultPrinter, NoSchedulerMeansNoPrinter) {
  QTemporaryDir nowhere;
  ScopedCupsClient client(nowhere.filePath("cups.sock"), nowhere.path());
  EXPECT_FALSE(RealFactsOn96DpiScreen().printer.present);

  ScoreWindowHarness ui(WithPrinter600Offsets100());
  const QImage before = ui.Score().copy();
  ScopedRealPrinter realPrinter;
  ui.Dialogs().AnswerBox(kIdOk, QStringLiteral("エラー"));
  ui.Click("Btn11");

  ASSERT_EQ(ui.Dialogs().Boxes().size(), 1u);
  EXPECT_TRUE(ui.Dialogs().Boxes()[0].text.contains(QStringLiteral("既定のプリンタがない")));
  EXPECT_EQ(ui.Score(), before);
}

}  // namespace
}  // namespace scoreink::test

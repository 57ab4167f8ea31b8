#pragma once
// The default printer in tests: each job prints its page into a PDF file of its own, on an A4
// sheet at 600 dpi whose unprintable margins are 100 printer pixels on every side (the
// printer that WithPrinter() describes). It can also be missing, refuse jobs or fail to start
// them. Installed in place of the real printer while it lives, so no test reaches a real one.
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <vector>

#include "platform/ui/print_job.h"

namespace scoreink::test {

inline constexpr int kTestPrinterDpi = 600;
inline constexpr int kTestPrinterMargin = 100;  // printer pixels on every side

enum class TestPrinterMode {
  Prints,       // takes every page
  Missing,      // there is no default printer
  Refuses,      // the page is drawn, then the printer refuses it
  CannotStart,  // the job cannot be started (its output cannot be opened)
};

struct PrintedPage {
  QString pdf;         // the file the page went to
  QSize printable;     // the page's width() and height() in printer pixels
  bool busyWhileSent;  // the hourglass was up when the page went to the printer
};

class ScopedPdfPrinter {
 public:
  ScopedPdfPrinter();
  ~ScopedPdfPrinter();
  ScopedPdfPrinter(const ScopedPdfPrinter&) = delete;
  ScopedPdfPrinter& operator=(const ScopedPdfPrinter&) = delete;

  // How the jobs that follow go; refusal is the printer's text for Refuses.
  void SetMode(TestPrinterMode mode, const QString& refusal = QStringLiteral("stopped"));
  // Jobs asked for, whatever became of them.
  int JobsOpened() const { return opened_; }
  // Pages the printer took, oldest first.
  const std::vector<PrintedPage>& Pages() const { return pages_; }

 private:
  class PdfJob;
  std::unique_ptr<PrintJob> Open();

  QTemporaryDir dir_;
  TestPrinterMode mode_ = TestPrinterMode::Prints;
  QString refusal_;
  int opened_ = 0;
  std::vector<PrintedPage> pages_;
  PrintJobOpener previous_;
};

}  // namespace scoreink::test

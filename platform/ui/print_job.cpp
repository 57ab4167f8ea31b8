#include "platform/ui/print_job.h"

#include <cups/cups.h>

#include <QPrinter>
#include <QPrinterInfo>

namespace scoreink {

namespace {

PrintJobOpener& Opener() {
  static PrintJobOpener opener;
  return opener;
}

class DefaultPrinterJob final : public PrintJob {
 public:
  explicit DefaultPrinterJob(const QPrinterInfo& info) : printer_(info, QPrinter::HighResolution) {}

  bool Valid() const { return printer_.isValid(); }
  QPagedPaintDevice& Page() override { return printer_; }

  QString Refusal() override {
    // Qt hands the page to CUPS when the painter ends and keeps CUPS's answer to itself;
    // libcups keeps the status of this thread's last request, which that hand-over was.
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return {};
    return QString::fromUtf8(cupsLastErrorString());
  }

 private:
  QPrinter printer_;
};

}  // namespace

std::unique_ptr<PrintJob> OpenDefaultPrintJob() {
  if (Opener()) return Opener()();
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  auto job = std::make_unique<DefaultPrinterJob>(info);
  if (!job->Valid()) return nullptr;
  return job;
}

PrintJobOpener SetPrintJobOpener(PrintJobOpener opener) {
  PrintJobOpener previous = std::move(Opener());
  Opener() = std::move(opener);
  return previous;
}

}  // namespace scoreink

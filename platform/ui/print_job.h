#pragma once
// One printed page on the default printer, behind a seam: the program prints through Qt on
// the default (CUPS) printer; tests install a replacement that prints into a PDF file.
#include <QString>
#include <functional>
#include <memory>

class QPagedPaintDevice;

namespace scoreink {

class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // The page to paint on: (0, 0) is the top-left of the printable area, and width() and
  // height() are the printable area in printer pixels. The page goes to the printer when the
  // painter on it ends.
  virtual QPagedPaintDevice& Page() = 0;
  // After the painter on Page() has ended: empty when the printer took the page, else the
  // printer's reason for refusing it.
  virtual QString Refusal() = 0;
};

// A job on the default printer (no dialog, the printer's own paper, orientation and copies),
// or null when there is no default printer.
std::unique_ptr<PrintJob> OpenDefaultPrintJob();

using PrintJobOpener = std::function<std::unique_ptr<PrintJob>()>;
// Installs an opener in place of the default printer; an empty one restores the real printer.
// Returns the previous opener.
PrintJobOpener SetPrintJobOpener(PrintJobOpener opener);

}  // namespace scoreink

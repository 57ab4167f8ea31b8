// Printing the score on the default printer: one page, the whole score stretched to the
// printable area whatever the zoom, the score itself unchanged.
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>

#include "platform/ui/busy_cursor.h"
#include "platform/ui/message_box.h"
#include "platform/ui/print_job.h"
#include "score_window/core/print_messages.h"
#include "score_window/core/print_stretched.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// Sends the score to the default printer as one page. Empty when the printer took it, else
// the message that says what went wrong.
QString PrintOnePage(const QImage& score) {
  BusyCursor busy;  // the job is sent before this returns
  const std::unique_ptr<PrintJob> job = OpenDefaultPrintJob();
  if (!job) return PrintFailureMessage(ReasonNoPrinter());
  QPagedPaintDevice& page = job->Page();
  QPainter painter;
  if (!painter.begin(&page)) return PrintFailureMessage(ReasonJobNotStarted());
  const bool drawn =
      PrintStretched(painter, QRect(0, 0, page.width(), page.height()), score, false);
  painter.end();  // whatever was drawn goes to the printer, also after a failure
  const QString refusal = job->Refusal();
  if (!refusal.isEmpty()) return PrintFailureMessage(ReasonJobRefused(refusal));
  if (!drawn) return PrintFailureMessage(ReasonPageNotDrawn());
  return {};
}

}  // namespace

// "印刷": prints the score on one page of the default printer.
void TForm1::Btn11Click(QObject*) {
  FocusSink();  // a floating symbol or block is stamped and printed with the score
  const QString failure = PrintOnePage(Surface());
  if (!failure.isEmpty()) ShowErrorMessage(failure);
}

}  // namespace scoreink

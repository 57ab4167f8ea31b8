// Printing the score on the default printer: each page of its document on a sheet of its own
// in one job (a score of one page: one sheet), the whole page stretched to the printable area
// whatever the zoom, the score itself unchanged.
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>

#include "platform/ui/busy_cursor.h"
#include "platform/ui/message_box.h"
#include "platform/ui/print_job.h"
#include "score_window/core/print_messages.h"
#include "score_window/core/print_stretched.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// Sends the pages to the default printer, page n as pageAt(n) gives it (null, with reason set,
// when it cannot be had). Empty when the printer took them, else the message that says what
// went wrong.
QString PrintPages(int pages, const std::function<QImage(int, QString&)>& pageAt) {
  BusyCursor busy;  // the job is sent before this returns
  const std::unique_ptr<PrintJob> job = OpenDefaultPrintJob();
  if (!job) return PrintFailureMessage(ReasonNoPrinter());
  QPagedPaintDevice& page = job->Page();
  QPainter painter;
  if (!painter.begin(&page)) return PrintFailureMessage(ReasonJobNotStarted());
  bool drawn = true;
  QString unread;
  for (int n = 0; n < pages && drawn && unread.isEmpty(); ++n) {
    // One page at a time: a document of many pages is never held whole.
    const QImage score = pageAt(n, unread);
    if (score.isNull()) break;
    if (n > 0) page.newPage();
    drawn = PrintStretched(painter, QRect(0, 0, page.width(), page.height()), score, false);
  }
  painter.end();  // whatever was drawn goes to the printer, also after a failure
  if (!unread.isEmpty()) return unread;
  const QString refusal = job->Refusal();
  if (!refusal.isEmpty()) return PrintFailureMessage(ReasonJobRefused(refusal));
  if (!drawn) return PrintFailureMessage(ReasonPageNotDrawn());
  return {};
}

}  // namespace

// "印刷": prints the score (every page of its document) on the default printer.
void TForm1::Btn11Click(QObject*) {
  FocusSink();  // a floating symbol or block is stamped and printed with the score
  const QString failure = PrintPages(document_.Pages(), PageAt());
  if (!failure.isEmpty()) ShowErrorMessage(failure);
}

}  // namespace scoreink

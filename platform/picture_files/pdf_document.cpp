#include "platform/picture_files/pdf_document.h"

#include <QBuffer>

#include "platform/picture_files/pdf_messages.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

namespace {

// PDF readers look for the header within the first kilobyte and the end marker within the
// last one.
constexpr qint64 kMarkerWindow = 1024;

// Poppler's last complaint on this thread; Poppler calls the handler on the thread that reads.
thread_local QString lastComplaint;

void KeepComplaint(const QString& message, const QVariant&) {
  // "Error (123): text" or "Error: text": the text alone.
  const qsizetype colon = message.indexOf(QLatin1String(": "));
  lastComplaint = colon < 0 ? message : message.mid(colon + 2);
}

// Once per process, before the first document: Poppler's default handler prints through
// qDebug. Setting the handler while another thread reads would race, hence only once.
void SilencePoppler() {
  static const bool silenced = [] {
    Poppler::setDebugErrorFunction(KeepComplaint, QVariant());
    return true;
  }();
  (void)silenced;
  lastComplaint.clear();
}

bool EndMarkerMissing(QIODevice& in) {
  if (in.isSequential()) return false;
  const qint64 start = in.pos();
  const qint64 size = in.size();
  bool missing = false;
  if (in.seek(std::max<qint64>(0, size - kMarkerWindow)))
    missing = !in.read(kMarkerWindow).contains("%%EOF");
  in.seek(start);
  return missing;
}

void UseProgramRendering(Poppler::Document& document) {
  document.setRenderBackend(Poppler::Document::SplashBackend);
  document.setPaperColor(Qt::white);
  document.setRenderHint(Poppler::Document::Antialiasing);
  document.setRenderHint(Poppler::Document::TextAntialiasing);
  // Staff lines thinner than a pixel come out as solid one-pixel lines, not as a faint grey
  // that the black-and-white split would lose.
  document.setRenderHint(Poppler::Document::ThinLineSolid);
}

}  // namespace

OpenedPdf OpenPdf(QIODevice& in) {
  OpenedPdf pdf;
  const QByteArray head = in.peek(kMarkerWindow);
  if (head.isEmpty()) {
    pdf.reason = in.atEnd() ? ReasonEmptyFile() : ReasonReadFailed(in);
    return pdf;
  }
  if (!head.contains("%PDF-")) {
    pdf.reason = ReasonNotPdf();
    return pdf;
  }
  pdf.endMissing = EndMarkerMissing(in);
  SilencePoppler();
  // Bytes already in memory are handed over as they are: Poppler's reading of a device seeks
  // past the end of a broken file, which a buffer reports on the terminal.
  if (auto* buffer = qobject_cast<QBuffer*>(&in))
    pdf.document = Poppler::Document::loadFromData(buffer->data());
  else
    pdf.document = Poppler::Document::load(&in);
  if (!pdf.document) {
    pdf.reason = pdf.endMissing ? ReasonTruncated() : ReasonBrokenPdf(lastComplaint);
    return pdf;
  }
  // Before anything else: Poppler cannot even count the pages of a locked document.
  if (pdf.document->isLocked())
    pdf.reason = ReasonPdfLocked();
  else if (pdf.document->numPages() <= 0)
    pdf.reason = ReasonPdfWithoutPages();
  if (pdf.reason.isEmpty()) pdf.reason = ReasonIfCut(pdf);
  if (!pdf.reason.isEmpty())
    pdf.document.reset();
  else
    UseProgramRendering(*pdf.document);
  return pdf;
}

std::unique_ptr<Poppler::Page> OpenPdfPage(const Poppler::Document& document, int page,
                                           QString& reason) {
  const int pages = document.numPages();
  if (page < 0 || page >= pages) {
    reason = ReasonNoSuchPdfPage(page + 1, pages);
    return nullptr;
  }
  std::unique_ptr<Poppler::Page> opened = document.page(page);
  if (!opened) reason = ReasonBrokenPdfPage(page + 1);
  return opened;
}

QString ReasonIfCut(const OpenedPdf& pdf) {
  if (pdf.endMissing && pdf.document && pdf.document->xrefWasReconstructed())
    return ReasonTruncated();
  return QString();
}

}  // namespace scoreink

#include "platform/picture_files/pdf_reader.h"

#include "platform/picture_files/picture_messages.h"

namespace scoreink {

QString ReadPdfInto(QIODevice&, PictureSink&, ReadWatch*, int, int) {
  return ReasonNotPdf();
}

int CountPdfPages(QIODevice&, QString& reason) {
  reason = ReasonNotPdf();
  return 0;
}

int LargestPdfDpiThatFits(QIODevice&, int) {
  return 0;
}

}  // namespace scoreink

#include "platform/picture_files/pdf_write_messages.h"

namespace scoreink {

QString ReasonPdfLockedForWriting() {
  return QStringLiteral("鍵がかかったPDFには書き込めない (鍵のないPDFで保存し直してほしい)");
}

QString ReasonBrokenPageChanges(int page) {
  return QStringLiteral("%1 ページ目に書き込んだ分のデータがおかしい").arg(page);
}

QString ReasonBadPdfResolution(int dpi) {
  return QStringLiteral("PDFの解像度がおかしい (%1 dpi)").arg(dpi);
}

QString ReasonPdfWriterFailed(const QString& detail) {
  return QStringLiteral("PDFを作れなかった (%1)").arg(detail);
}

}  // namespace scoreink

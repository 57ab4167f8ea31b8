#include "platform/picture_files/pdf_messages.h"

namespace scoreink {

namespace {

QString Detail(const QString& text) {
  return text.isEmpty() ? QString() : QStringLiteral(" (") + text + QLatin1Char(')');
}

}  // namespace

QString ReasonBrokenPdf(const QString& detail) {
  return QStringLiteral("PDFの中身が壊れている") + Detail(detail);
}

QString ReasonBrokenPdfPage(int page) {
  return QStringLiteral("PDFの %1 ページ目が壊れている").arg(page);
}

QString ReasonPdfLocked() {
  return QStringLiteral("パスワードで鍵がかかったPDFは開けない");
}

QString ReasonPdfWithoutPages() {
  return QStringLiteral("PDFにページが1枚もない");
}

QString ReasonNoSuchPdfPage(int page, int pages) {
  return QStringLiteral("PDFに %1 ページ目はない (全部で %2 ページ)").arg(page).arg(pages);
}

QString ReasonPdfPageTooLarge(int dpi, qint64 width, qint64 height, int fittingDpi) {
  QString text = QStringLiteral("このページは %1 dpi だと大きすぎて扱えない (%2 x %3)")
                     .arg(dpi)
                     .arg(width)
                     .arg(height);
  if (fittingDpi > 0) text += QStringLiteral("。%1 dpi なら開ける").arg(fittingDpi);
  return text;
}

}  // namespace scoreink

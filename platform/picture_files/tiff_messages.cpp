#include "platform/picture_files/tiff_messages.h"

namespace scoreink {

namespace {

QString Detail(const QString& detail) {
  return detail.isEmpty() ? QString() : QStringLiteral(" (") + detail + QLatin1Char(')');
}

}  // namespace

QString ReasonBrokenTiff(const QString& detail) {
  return QStringLiteral("TIFFの中身が壊れている") + Detail(detail);
}

QString ReasonUnreadableTiff(const QString& detail) {
  return QStringLiteral("この種類のTIFFは読めない") + Detail(detail);
}

QString ReasonTooManyTiffPages(int most) {
  return QStringLiteral("TIFFのページが多すぎて扱えない (%1 ページまで)").arg(most);
}

QString ReasonTiffPagesInALoop() {
  return QStringLiteral("TIFFのページのつながりが輪になっている (壊れたファイル)");
}

QString ReasonTiffWithoutPages() {
  return QStringLiteral("TIFFにページが一つもない");
}

QString ReasonNoSuchTiffPage(int page, int pages) {
  return QStringLiteral("TIFFに %1 ページ目はない (全部で %2 ページ)").arg(page + 1).arg(pages);
}

}  // namespace scoreink

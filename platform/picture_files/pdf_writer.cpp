#include "platform/picture_files/pdf_writer.h"

namespace scoreink {

QString WritePdfWithOverlays(const QString&, const std::map<int, PageOverlays>&, int, QIODevice&) {
  return QStringLiteral("まだPDFは書けない");
}

QString WritePicturePdf(const QImage&, QIODevice&) {
  return QStringLiteral("まだPDFは書けない");
}

}  // namespace scoreink

#include "platform/picture_files/tiff_writer_messages.h"

namespace scoreink {

QString ReasonTiffNotWritten(const QString& detail) {
  QString text = QStringLiteral("TIFFを書けなかった");
  if (!detail.isEmpty()) text += QStringLiteral(" (") + detail + QLatin1Char(')');
  return text;
}

QString ReasonTiffDeviceNotReadable() {
  return QStringLiteral("書き込みに失敗した (書いたものを読み返せない書き先)");
}

}  // namespace scoreink

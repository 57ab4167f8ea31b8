#include "platform/picture_files/picture_messages.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "platform/files/native_path.h"

namespace scoreink {

namespace {

QString WithName(const QString& headline, const QString& path, const QString& reason) {
  QString text = headline;
  if (!path.isEmpty()) text += QStringLiteral(": ") + DisplayedPath(QFileInfo(path).fileName());
  return text + QLatin1Char('\n') + reason;
}

// Qt's own error text, in brackets, when it says more than nothing.
QString Detail(const QString& qtText) {
  return qtText.isEmpty() ? QString() : QStringLiteral(" (") + qtText + QLatin1Char(')');
}

}  // namespace

QString ReadFailureMessage(const QString& path, const QString& reason) {
  return WithName(QStringLiteral("画像ファイルを読めない"), path, reason);
}

QString WriteFailureMessage(const QString& path, const QString& reason) {
  return WithName(QStringLiteral("画像ファイルを保存できない"), path, reason);
}

QString ReasonTooLarge(qint64 width, qint64 height) {
  return QStringLiteral("絵が大きすぎて扱えない (%1 x %2)").arg(width).arg(height);
}

QString ReasonBadSize(qint64 width, qint64 height) {
  return QStringLiteral("絵の大きさがおかしい (%1 x %2)").arg(width).arg(height);
}

QString ReasonEmptyFile() {
  return QStringLiteral("ファイルが空っぽ");
}

QString ReasonTruncated() {
  return QStringLiteral("ファイルが途中で切れている");
}

QString ReasonNotBmp() {
  return QStringLiteral("中身がBMPではない");
}

QString ReasonNotJpeg() {
  return QStringLiteral("中身がJPEGではない");
}

QString ReasonNotPng() {
  return QStringLiteral("中身がPNGではない");
}

QString ReasonNotTiff() {
  return QStringLiteral("中身がTIFFではない");
}

QString ReasonNotPdf() {
  return QStringLiteral("中身がPDFではない");
}

QString ReasonSeveralPages() {
  return QStringLiteral("TIFFやPDFのファイルには上書きできない (別の名前で保存してほしい)");
}

QString ReasonPageNotReady(int page) {
  return QStringLiteral("%1 ページ目の絵を用意できなかった").arg(page + 1);
}

QString ReasonUnknownExtension() {
  return QStringLiteral("bmp, jpg, jpeg, png, tif, tiff, pdf 以外の拡張子は扱えない");
}

QString ReasonBrokenBmp(const QString& detail) {
  return QStringLiteral("BMPの中身が壊れている") + Detail(detail);
}

QString ReasonBrokenJpeg(const QString& detail) {
  return QStringLiteral("JPEGの中身が壊れている") + Detail(detail);
}

QString ReasonNothingToSave() {
  return QStringLiteral("保存する絵がない");
}

QString ReasonTooMuchWork() {
  return QStringLiteral("JPEGのスキャンが多すぎて、読むのに時間がかかりすぎる");
}

QString ReasonBadBitCount(int bitCount) {
  return ReasonBrokenBmp(QStringLiteral("1画素 %1 ビットという形式はない").arg(bitCount));
}

QString ReasonNotRegularFile() {
  return QStringLiteral("普通のファイルではない (パイプや装置は開かない)");
}

QString ReasonCancelled() {
  return QStringLiteral("読むのをやめた");
}

QString ReasonOpenForRead(const QFileDevice& file) {
  if (!QFileInfo::exists(file.fileName())) return QStringLiteral("ファイルが見つからない");
  if (QFileInfo(file.fileName()).isDir()) return QStringLiteral("ファイルではなくフォルダ");
  if (!QFileInfo(file.fileName()).isReadable())
    return QStringLiteral("ファイルを読む許可がない") + Detail(file.errorString());
  return QStringLiteral("ファイルを開けない") + Detail(file.errorString());
}

QString ReasonOpenForRead(int error) {
  const QString detail = Detail(QString::fromLocal8Bit(std::strerror(error)));
  switch (error) {
    case ENOENT:
      return QStringLiteral("ファイルが見つからない");
    case EISDIR:
      return QStringLiteral("ファイルではなくフォルダ");
    case EACCES:
    case EPERM:
      return QStringLiteral("ファイルを読む許可がない") + detail;
    default:
      return QStringLiteral("ファイルを開けない") + detail;
  }
}

QString ReasonOpenForWrite(const QFileDevice& file) {
  return QStringLiteral("ファイルを作れない") + Detail(file.errorString());
}

QString ReasonWriteProtected() {
  return QStringLiteral("書き込みが許されていない");
}

QString ReasonReadFailed(const QIODevice& device) {
  return QStringLiteral("ファイルを読み込めない") + Detail(device.errorString());
}

QString ReasonWriteFailed(const QIODevice& device) {
  const auto* file = qobject_cast<const QFileDevice*>(&device);
  if (file && file->error() == QFileDevice::ResourceError)
    return QStringLiteral("ディスクの空きが足りない") + Detail(device.errorString());
  return QStringLiteral("書き込みに失敗した") + Detail(device.errorString());
}

}  // namespace scoreink

#include "score_window/core/score_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/pixel_format.h"

namespace scoreink {
namespace {

bool IsBmpName(const QString& path) {
  const QString fileName = QFileInfo(path).fileName();
  const qsizetype dot = fileName.lastIndexOf('.');
  return dot >= 0 && fileName.mid(dot).toLower() == QLatin1String(".bmp");
}

WriteResult Failed(const QString& path, const QString& reason) {
  return {QStringLiteral("「%1」に保存できませんでした。\n%2")
              .arg(QDir::toNativeSeparators(path), reason)};
}

}  // namespace

WriteResult SaveScoreFile(const QImage& surface, const QString& path) {
  if (surface.isNull()) return Failed(path, QStringLiteral("保存する絵がありません。"));
  const QImage eightBit = PixelFormatOf(surface) == PixelFormat::Bits8
                              ? surface
                              : ConvertedTo(surface, PixelFormat::Bits8);
  if (eightBit.isNull())
    return Failed(path, QStringLiteral("8ビットの絵を作るメモリが足りません。"));

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failed(path, file.errorString());
  const WriteResult written =
      IsBmpName(path) ? WriteBmp(eightBit, file) : WriteJpeg(eightBit, file, kScoreJpegQuality);
  if (!written.ok()) {
    file.cancelWriting();
    return Failed(path, written.error);
  }
  if (!file.commit()) return Failed(path, file.errorString());
  return {};
}

}  // namespace scoreink

#include "score_window/core/score_file.h"

#include <QFileInfo>

#include "platform/raster/pixel_format.h"

namespace scoreink {
namespace {

// The format follows the extension from the file name's last ".": ".bmp" in any case is a
// bitmap, every other name a JPEG.
bool IsBmpName(const QString& path) {
  const QString fileName = QFileInfo(path).fileName();
  const qsizetype dot = fileName.lastIndexOf('.');
  return dot >= 0 && fileName.mid(dot).toLower() == QLatin1String(".bmp");
}

}  // namespace

WriteResult SaveScoreFile(const QImage& surface, const QString& path) {
  // An 8-bit surface with the fixed palette is shared, not copied.
  const QImage eightBit = PixelFormatOf(surface) == PixelFormat::Bits8
                              ? surface
                              : ConvertedTo(surface, PixelFormat::Bits8);
  // SaveBmp and SaveJpeg write beside the target and replace it only once the new file is
  // complete, so a failed save keeps the old score.
  return IsBmpName(path) ? SaveBmp(eightBit, path) : SaveJpeg(eightBit, path, kScoreJpegQuality);
}

}  // namespace scoreink

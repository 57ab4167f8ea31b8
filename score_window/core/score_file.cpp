#include "score_window/core/score_file.h"

#include "platform/picture_files/picture_messages.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {
WriteResult SaveScoreFile(const QImage& surface, const QString& path) {
  // An 8-bit surface with the fixed palette is shared, not copied.
  const QImage eightBit = PixelFormatOf(surface) == PixelFormat::Bits8
                              ? surface
                              : ConvertedTo(surface, PixelFormat::Bits8);
  // Each writes beside the target and replaces it only once the new file is complete, so a
  // failed save keeps the old score. A page of a TIFF or PDF never gets a JPEG in its file.
  switch (PictureKindFromName(path)) {
    case PictureKind::Bmp:
      return SaveBmp(eightBit, path);
    case PictureKind::Png:
      return SavePng(eightBit, path);
    case PictureKind::Tiff:
    case PictureKind::Pdf:
      return WriteResult{WriteFailureMessage(path, ReasonSeveralPages())};
    case PictureKind::Jpeg:
    case PictureKind::Unknown:
      break;
  }
  return SaveJpeg(eightBit, path, kScoreJpegQuality);
}

bool ScoreFileWritable(const QString& path) {
  return PictureKindFromName(path) != PictureKind::Unknown;
}

}  // namespace scoreink

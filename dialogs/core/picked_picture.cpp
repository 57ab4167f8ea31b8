#include "dialogs/core/picked_picture.h"

#include <QFileInfo>

#include "platform/picture_io.h"
#include "platform/picture_messages.h"
#include "platform/pixel_format.h"

namespace scoreink {

PickedPicture ReadPickedPicture(const QString& path) {
  PickedPicture picked;
  PictureResult loaded = LoadPicture(path);
  if (!loaded.ok()) {
    picked.error = loaded.error;
    return picked;
  }
  picked.size = loaded.image.size();
  if (picked.size.width() <= kSmallestScoreSide || picked.size.height() <= kSmallestScoreSide) {
    picked.verdict = PickedPicture::Verdict::TooSmall;
    return picked;
  }
  picked.picture = ConvertedTo(loaded.image, PixelFormat::Bits8);
  // The decoded picture goes before anything else is asked of the memory.
  loaded.image = QImage();
  if (picked.picture.isNull()) {
    picked.error =
        ReadFailureMessage(path, ReasonTooLarge(picked.size.width(), picked.size.height()));
    return picked;
  }
  picked.verdict = PickedPicture::Verdict::Accepted;
  return picked;
}

QString TooSmallMessage(const QString& path, QSize size) {
  return QFileInfo(path).fileName() + QStringLiteral("(") + QString::number(size.width()) +
         QStringLiteral("Pixel X ") + QString::number(size.height()) + QStringLiteral("Pixel)") +
         QStringLiteral(" ← こんな小さな画像が楽譜になるとは思えない");
}

}  // namespace scoreink

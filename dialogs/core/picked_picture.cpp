#include "dialogs/core/picked_picture.h"

#include <QFileInfo>

#include "platform/files/native_path.h"
#include "platform/picture_files/picture_at_8_bits.h"
#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/picture_messages.h"

namespace scoreink {

PickedPicture ReadPickedPicture(const QString& path, ReadWatch* watch, PagePick pick) {
  PickedPicture picked;
  PictureAt8Bits at8Bits;
  picked.error = ReadPicture(path, at8Bits, watch, pick);
  if (picked.error == ReasonCancelled()) picked.verdict = PickedPicture::Verdict::Cancelled;
  if (!picked.error.isEmpty()) return picked;
  picked.size = at8Bits.size();
  if (picked.size.width() <= kSmallestScoreSide || picked.size.height() <= kSmallestScoreSide) {
    picked.verdict = PickedPicture::Verdict::TooSmall;
    return picked;
  }
  picked.picture = at8Bits.Take();
  if (picked.picture.isNull()) {
    picked.error =
        ReadFailureMessage(path, ReasonTooLarge(picked.size.width(), picked.size.height()));
    return picked;
  }
  picked.verdict = PickedPicture::Verdict::Accepted;
  return picked;
}

QString TooSmallMessage(const QString& path, QSize size) {
  return DisplayedPath(QFileInfo(path).fileName()) + QStringLiteral("(") +
         QString::number(size.width()) + QStringLiteral("Pixel X ") +
         QString::number(size.height()) + QStringLiteral("Pixel)") +
         QStringLiteral(" ← こんな小さな画像が楽譜になるとは思えない");
}

}  // namespace scoreink

#include "dialogs/score_opening.h"

#include "dialogs/core/picked_picture.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/message_box.h"
#include "platform/ui/read_progress.h"

namespace scoreink {

std::optional<QImage> CheckScorePicture(const QString& path, QProgressBar* bar,
                                        QWidget* cancelButton) {
  PickedPicture picked;
  {
    BusyCursor busy;
    const ReadEnd end = ReadOffTheUiThread(
        bar, cancelButton, [&](ReadWatch& watch) { picked = ReadPickedPicture(path, &watch); });
    if (end == ReadEnd::Cancelled) return std::nullopt;
  }
  switch (picked.verdict) {
    case PickedPicture::Verdict::Cancelled:
      return std::nullopt;
    case PickedPicture::Verdict::Unreadable:
      ShowErrorMessage(picked.error);
      return std::nullopt;
    case PickedPicture::Verdict::TooSmall:
      AppMessageBox(TooSmallMessage(path, picked.size), QString::fromUtf8(kTooSmallCaption),
                    MsgButtons::Ok);
      return std::nullopt;
    case PickedPicture::Verdict::Accepted:
      break;
  }
  return std::move(picked.picture);
}

}  // namespace scoreink

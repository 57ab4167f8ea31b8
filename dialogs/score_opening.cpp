#include "dialogs/score_opening.h"

#include "dialogs/core/picked_picture.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/message_box.h"
#include "platform/ui/read_progress.h"

namespace scoreink {

namespace {

// A PDF page larger at pick's resolution than a picture may be: asks to open it at the largest
// resolution at which it fits, if any. False when the page is not to be opened at all.
bool SettleResolution(const QString& path, PagePick& pick) {
  if (PictureKindFromName(path) != PictureKind::Pdf) return true;
  int fits = 0;
  {
    BusyCursor busy;
    fits = LargestPdfDpiThatFits(path, pick.page);
  }
  if (fits == 0 || fits >= pick.dpi) return true;  // fits, or the reading tells what is wrong
  const QString question =
      QStringLiteral("このページは %1 dpi だと大きすぎて扱えない。%2 dpi で開く?")
          .arg(pick.dpi)
          .arg(fits);
  if (AppMessageBox(question, QStringLiteral("大きすぎ"), MsgButtons::YesNo) != kIdYes)
    return false;
  pick.dpi = fits;
  return true;
}

}  // namespace

std::optional<QImage> CheckScorePicture(const QString& path, PagePick& pick, QProgressBar* bar,
                                        QWidget* cancelButton) {
  if (!SettleResolution(path, pick)) return std::nullopt;
  PickedPicture picked;
  {
    BusyCursor busy;
    const ReadEnd end = ReadOffTheUiThread(bar, cancelButton, [&](ReadWatch& watch) {
      picked = ReadPickedPicture(path, &watch, pick);
    });
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

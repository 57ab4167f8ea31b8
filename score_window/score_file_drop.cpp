// Picture files dragged from a file manager onto the score window open as the score.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "dialogs/core/file_mask.h"
#include "dialogs/core/pdf_resolution.h"
#include "dialogs/score_opening.h"
#include "platform/files/native_path.h"
#include "platform/ui/message_box.h"
#include "score_window/desktop_habits.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// The one picture file a drag carries, as the score file dialog would list it; empty for
// anything else (several files, a folder, text, a file of another kind).
QString DraggedPicture(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  if (!url.isLocalFile()) return {};
  const QFileInfo file(url.toLocalFile());
  if (!file.isFile() || !FileMask(QString::fromLatin1(kImageFileMask)).Matches(file.fileName()))
    return {};
  return file.absoluteFilePath();
}

class ScoreFileDrop : public QObject {
 public:
  explicit ScoreFileDrop(TForm1& window) : QObject(&window), window_(window) {
    window.setAcceptDrops(true);
    // The colour boxes and the focus sink are no places for text: a file dropped on them opens
    // like one dropped anywhere else.
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) edit->setAcceptDrops(false);
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!window_.ScoreWorkedOnElsewhere() && !DraggedPicture(drag->mimeData()).isEmpty())
          drag->acceptProposedAction();
        else
          drag->ignore();
        return true;
      }
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DraggedPicture(drop->mimeData());
        if (path.isEmpty() || window_.ScoreWorkedOnElsewhere()) {
          drop->ignore();
          return true;
        }
        drop->acceptProposedAction();
        // After the drop has been answered: the file manager is not kept waiting through the
        // save question.
        QTimer::singleShot(0, this, [this, path] { OpenDroppedScore(window_, path); });
        return true;
      }
      default:
        return QObject::eventFilter(watched, event);
    }
  }

 private:
  TForm1& window_;
};

}  // namespace

void AcceptScoreFileDrops(TForm1& window) {
  new ScoreFileDrop(window);
}

void TForm1::OpenHandedFile(const QString& path) {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  if (path.isEmpty()) return;
  if (ScoreWorkedOnElsewhere()) {
    AppMessageBox(QStringLiteral("ほかのウィンドウで作業中なので、今は開けない\n") +
                      DisplayedPath(QFileInfo(path).fileName()),
                  QStringLiteral("どうでもいいけど"), MsgButtons::Ok);
    return;
  }
  OpenDroppedScore(*this, path);
}

bool OpenDroppedScore(TForm1& window, const QString& path) {
  // The dialog and the editor work on the score while they are open.
  if (window.ScoreWorkedOnElsewhere()) return false;
  // As every command does: what floats is stamped into the score the question is about.
  window.FocusSink();
  // The first page of a file of several, a PDF page at the resolution last chosen.
  PagePick pick{0, RememberedPdfDpi()};
  std::optional<QImage> picture = CheckScorePicture(path, pick);
  if (!picture || window.SettleScoreBeforeOpening() == Settled::Cancelled) return false;
  window.ShowScorePicture(std::move(*picture));
  window.AdoptOpenedScore(path, pick, std::max(1, CountPages(path).pages));
  window.ApplyTemplateTest();
  return true;
}

}  // namespace scoreink

// The score window's title: shown by the task switcher and the panel, since the window has no
// caption bar. It names the program and the score's file, marked while there are unsaved
// edits.
#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include "score_window/desktop_habits.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

// Every change of the score, its file or its history comes from the user's input (a press, a
// click, a key, a drop, an answer in a box): the title is brought up to date after each, once
// the event has been handled.
class TitleKeeper : public QObject {
 public:
  explicit TitleKeeper(TForm1& window) : QObject(&window), window_(&window) {
    setObjectName(QStringLiteral("TitleKeeper"));
    qApp->installEventFilter(this);
    Update();
  }

  void Update() {
    pending_ = false;
    if (!window_) return;
    const ScoreDocument& document = window_->Document();
    const QString title = ScoreWindowTitle(CurrentScoreFile, window_->HasUnsavedEdits(),
                                           document.Shown(), document.Pages());
    if (window_->windowTitle() != title) window_->setWindowTitle(title);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonRelease:
      case QEvent::KeyRelease:
      case QEvent::Drop:
      case QEvent::Show:
        if (!pending_) {
          pending_ = true;
          QTimer::singleShot(0, this, [this] { Update(); });
        }
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<TForm1> window_;
  bool pending_ = false;
};

}  // namespace

QString ScoreWindowTitle(const QString& scoreFile, bool unsavedEdits, int page, int pages) {
  QString name =
      scoreFile.isEmpty() ? QStringLiteral("新しい楽譜") : QFileInfo(scoreFile).fileName();
  if (pages > 1) name += QStringLiteral(" (%1/%2)").arg(page + 1).arg(pages);
  return (unsavedEdits ? QStringLiteral("*") : QString()) + name + QStringLiteral(" - ScoreInk");
}

void KeepScoreWindowTitle(TForm1& window) {
  new TitleKeeper(window);
}

void RefreshScoreWindowTitle(TForm1& window) {
  // The keeper's own update may have run inside the input that changed the page (a read waits
  // in an event loop of its own), before the change.
  if (auto* keeper = static_cast<TitleKeeper*>(
          window.findChild<QObject*>(QStringLiteral("TitleKeeper"), Qt::FindDirectChildrenOnly)))
    keeper->Update();
}

}  // namespace scoreink

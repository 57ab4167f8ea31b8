#include "platform/ui/history_messages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include "platform/ui/message_box.h"
#include "platform/ui/score_notes.h"

namespace scoreink {

namespace {

QString RecoveryTroubleText(const RecoveryLog::Trouble& trouble) {
  const QString lost = trouble.goodUntil.isValid()
                           ? QStringLiteral("%1 より後の編集")
                                 .arg(trouble.goodUntil.toString(QStringLiteral("H:mm")))
                           : QStringLiteral("この楽譜の編集");
  return QStringLiteral("もしもの時の控えを書き込めないので、今落ちると%1は戻らない\n").arg(lost) +
         trouble.reason;
}

// After each release of a button or key, once the input has been handled.
class TroubleTeller : public QObject {
 public:
  explicit TroubleTeller(QObject& owner) : QObject(&owner) { qApp->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) && !pending_) {
      pending_ = true;
      QTimer::singleShot(0, this, [this] {
        pending_ = false;
        TellWorkTrouble();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool pending_ = false;
};

}  // namespace

void TellUndoStep(EditHistory::Step step) {
  TellWorkTrouble();
  switch (step) {
    case EditHistory::Step::NothingBefore:
      TellScoreNote("これより前はない");
      break;
    case EditHistory::Step::Missing:
      TellAccident();
      break;
    case EditHistory::Step::Loaded:
    case EditHistory::Step::NothingAfter:
      break;
  }
}

void TellRedoStep(EditHistory::Step step) {
  TellWorkTrouble();
  if (step != EditHistory::Step::Loaded) TellScoreNote("これより後はない");
}

void RecordGesture(const QImage& picture) {
  SharedHistory().Record(picture);
}

void TellWorkTrouble() {
  if (QGuiApplication::mouseButtons() != Qt::NoButton) return;  // told at the release
  QStringList told;
  QString caption = QStringLiteral("どうでもいいけど");
  if (const QString steps = SharedHistory().TakeTrouble(); !steps.isEmpty())
    told << QStringLiteral(
                "作業フォルダに書き込めないので、戻す・進むの記録はメモリに置いておく\n") +
                steps;
  if (const auto copy = SharedHistory().TakeRecoveryTrouble()) {
    told << RecoveryTroubleText(*copy);
    caption = QStringLiteral("気をつけて");
  }
  if (!told.isEmpty()) AppMessageBox(told.join(QStringLiteral("\n\n")), caption, MsgButtons::Ok);
}

void KeepTellingWorkTrouble(QObject& owner) {
  new TroubleTeller(owner);
}

}  // namespace scoreink

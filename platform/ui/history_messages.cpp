#include "platform/ui/history_messages.h"

#include "platform/ui/message_box.h"
#include "platform/ui/score_notes.h"

namespace scoreink {

void TellUndoStep(EditHistory::Step step) {
  TellHistoryTrouble();
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
  TellHistoryTrouble();
  if (step != EditHistory::Step::Loaded) TellScoreNote("これより後はない");
}

void RecordGesture(const QImage& picture) {
  SharedHistory().Record(picture);
  TellHistoryTrouble();
}

void TellHistoryTrouble() {
  const QString reason = SharedHistory().TakeTrouble();
  if (reason.isEmpty()) return;
  AppMessageBox(
      QStringLiteral("作業フォルダに書き込めないので、戻す・進むの記録はメモリに置いておく\n") +
          reason,
      QStringLiteral("どうでもいいけど"), MsgButtons::Ok);
}

}  // namespace scoreink

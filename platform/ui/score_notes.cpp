#include "platform/ui/score_notes.h"

#include <QString>

#include "platform/ui/message_box.h"

namespace scoreink {

void TellScoreNote(const char* text) {
  AppMessageBox(QString::fromUtf8(text), QStringLiteral("どうでもいいけど"), MsgButtons::Ok);
}

}  // namespace scoreink

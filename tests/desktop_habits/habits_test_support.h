#pragma once
// What the desktop-habit tests share: a summary of what a command left behind in the score
// window or the symbol editor, so that a shortcut or gesture is checked to give the same as
// its button.
#include <QByteArrayView>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include "dialogs/tform2.h"
#include "dialogs/tform4.h"
#include "harness/scripted_dialogs.h"
#include "platform/edit_history.h"
#include "score_window/shared_values.h"

namespace scoreink::test {

inline QString PictureSummary(const QImage& picture) {
  const QByteArrayView bits(picture.constBits(), picture.sizeInBytes());
  return QStringLiteral("%1x%2 #%3")
      .arg(picture.width())
      .arg(picture.height())
      .arg(qHash(bits), 0, 16);
}

inline QString AskedSummary(const ScriptedDialogs& dialogs) {
  QStringList asked;
  for (const AskedBox& box : dialogs.Boxes()) asked << box.caption + "/" + box.text.trimmed();
  return asked.join(';') + QStringLiteral(" saves:%1").arg(dialogs.SaveDialogs().size());
}

// The history position, the score's file name, the windows open and what was asked.
inline QString SharedSummary(const ScriptedDialogs& dialogs) {
  return QStringLiteral("pos:%1 file:%2 form2:%3 form4:%4 asked:%5")
      .arg(HistoryPos())
      .arg(QFileInfo(CurrentScoreFile).fileName())
      .arg(Form2 != nullptr)
      .arg(Form4 != nullptr)
      .arg(AskedSummary(dialogs));
}

}  // namespace scoreink::test

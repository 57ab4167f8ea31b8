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
#include "platform/history/edit_history.h"
#include "score_window/shared_values.h"

namespace scoreink::test {

// Size and a hash of the pixels (each row without the padding at its end, which holds
// whatever the allocation held).
inline QString PictureSummary(const QImage& picture) {
  size_t hash = 0;
  const qsizetype rowBytes = (qsizetype(picture.width()) * picture.depth() + 7) / 8;
  for (int y = 0; y < picture.height(); ++y)
    hash = qHash(QByteArrayView(picture.constScanLine(y), rowBytes), hash);
  return QStringLiteral("%1x%2 #%3").arg(picture.width()).arg(picture.height()).arg(hash, 0, 16);
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

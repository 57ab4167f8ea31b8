#pragma once
// Answers the program's message boxes and save dialogs in tests, and records everything that
// was asked. Answers are queued in the order the boxes will come; a box or dialog that comes
// without a queued answer fails the test with its caption and text.
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "platform/ui/message_box.h"
#include "platform/ui/save_dialog.h"

namespace scoreink::test {

struct AskedBox {
  QString text;
  QString caption;
  MsgButtons buttons;
};

struct AskedSave {
  QString initialName;
  QString filter;
};

class ScriptedDialogs {
 public:
  // Installs itself in place of the real message box and save dialog.
  ScriptedDialogs();
  // Restores what was there before; fails the test if a queued answer was never asked for.
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  // The next message box returns answer (kIdOk, kIdCancel, kIdYes or kIdNo). With a caption,
  // the box must also have that caption.
  void AnswerBox(int answer, std::optional<QString> expectedCaption = std::nullopt);
  // The next save dialog returns path; nullopt is Cancel.
  void AnswerSave(std::optional<QString> path);

  // Everything asked so far, oldest first.
  const std::vector<AskedBox>& Boxes() const { return boxes_; }
  const std::vector<AskedSave>& SaveDialogs() const { return saves_; }
  // Captions of every box asked so far (handy for EXPECT_THAT ... ElementsAre).
  std::vector<QString> Captions() const;
  bool HasPendingAnswers() const { return !boxAnswers_.empty() || !saveAnswers_.empty(); }
  void ClearRecords();

 private:
  struct BoxAnswer {
    int answer;
    std::optional<QString> caption;
  };
  int OnBox(const QString& text, const QString& caption, MsgButtons buttons);
  std::optional<QString> OnSave(const QString& initialName, const QString& filter);

  std::deque<BoxAnswer> boxAnswers_;
  struct SaveAnswer {
    bool accepted;
    QString path;
  };
  std::deque<SaveAnswer> saveAnswers_;
  std::vector<AskedBox> boxes_;
  std::vector<AskedSave> saves_;
  MessageBoxHandler previousBox_;
  SaveDialogHandler previousSave_;
};

// "OK", "OK/Cancel", ... for messages.
QString ButtonsName(MsgButtons buttons);

}  // namespace scoreink::test

#include "harness/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace scoreink::test {

namespace {

// What closing the box without a button would give.
int EscapeAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
      return kIdCancel;
    case MsgButtons::YesNo:
      return kIdNo;
    case MsgButtons::Ok:
      break;
  }
  return kIdOk;
}

}  // namespace

QString ButtonsName(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel:
      return "OK/Cancel";
    case MsgButtons::YesNo:
      return "Yes/No";
    case MsgButtons::YesNoCancel:
      return "Yes/No/Cancel";
    case MsgButtons::Ok:
      break;
  }
  return "OK";
}

ScriptedDialogs::ScriptedDialogs() {
  previousBox_ =
      SetMessageBoxHandler([this](const QString& text, const QString& caption, MsgButtons buttons) {
        return OnBox(text, caption, buttons);
      });
  previousSave_ = SetSaveDialogHandler([this](const QString& initialName, const QString& filter) {
    return OnSave(initialName, filter);
  });
}

ScriptedDialogs::~ScriptedDialogs() {
  SetMessageBoxHandler(std::move(previousBox_));
  SetSaveDialogHandler(std::move(previousSave_));
  if (!boxAnswers_.empty())
    ADD_FAILURE() << boxAnswers_.size() << " queued message box answer(s) never asked for";
  if (!saveAnswers_.empty())
    ADD_FAILURE() << saveAnswers_.size() << " queued save dialog answer(s) never asked for";
}

void ScriptedDialogs::AnswerBox(int answer, std::optional<QString> expectedCaption) {
  boxAnswers_.push_back({answer, std::move(expectedCaption)});
}

void ScriptedDialogs::AnswerSave(std::optional<QString> path) {
  saveAnswers_.push_back({path.has_value(), path.value_or(QString())});
}

std::vector<QString> ScriptedDialogs::Captions() const {
  std::vector<QString> captions;
  for (const AskedBox& box : boxes_) captions.push_back(box.caption);
  return captions;
}

void ScriptedDialogs::ClearRecords() {
  boxes_.clear();
  saves_.clear();
}

int ScriptedDialogs::OnBox(const QString& text, const QString& caption, MsgButtons buttons) {
  boxes_.push_back({text, caption, buttons});
  if (boxAnswers_.empty()) {
    ADD_FAILURE() << "Unexpected message box (no answer queued): caption \""
                  << caption.toStdString() << "\", text \"" << text.toStdString() << "\", buttons "
                  << ButtonsName(buttons).toStdString();
    return EscapeAnswer(buttons);
  }
  const BoxAnswer answer = boxAnswers_.front();
  boxAnswers_.pop_front();
  if (answer.caption && *answer.caption != caption)
    ADD_FAILURE() << "Message box caption \"" << caption.toStdString() << "\" (text \""
                  << text.toStdString() << "\"), expected \"" << answer.caption->toStdString()
                  << "\"";
  return answer.answer;
}

std::optional<QString> ScriptedDialogs::OnSave(const QString& initialName, const QString& filter) {
  saves_.push_back({initialName, filter});
  if (saveAnswers_.empty()) {
    ADD_FAILURE() << "Unexpected save dialog (no answer queued), initial name \""
                  << initialName.toStdString() << "\"";
    return std::nullopt;
  }
  const SaveAnswer answer = saveAnswers_.front();
  saveAnswers_.pop_front();
  if (!answer.accepted) return std::nullopt;
  return answer.path;
}

}  // namespace scoreink::test

#include "platform/ui/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace scoreink {

namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

struct ButtonSpec {
  QMessageBox::StandardButton button;
  const char* text;  // labels as a Japanese desktop shows them
  int id;
};

constexpr ButtonSpec kOk{QMessageBox::Ok, "OK", kIdOk};
constexpr ButtonSpec kCancel{QMessageBox::Cancel, "キャンセル", kIdCancel};
constexpr ButtonSpec kYes{QMessageBox::Yes, "はい(&Y)", kIdYes};
constexpr ButtonSpec kNo{QMessageBox::No, "いいえ(&N)", kIdNo};

struct ButtonSet {
  std::vector<ButtonSpec> buttons;  // left to right
  ButtonSpec escape;                // what closing the box without a button means
};

ButtonSet ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel:
      return {{kOk, kCancel}, kCancel};
    case MsgButtons::YesNo:
      return {{kYes, kNo}, kNo};
    case MsgButtons::YesNoCancel:
      return {{kYes, kNo, kCancel}, kCancel};
    case MsgButtons::Ok:
      break;
  }
  return {{kOk}, kOk};
}

int ShowRealBox(const QString& text, const QString& caption, MsgButtons buttons) {
  // Over the window the user is working in, so that a stay-on-top dialog cannot hide it.
  QMessageBox box(QApplication::activeWindow());
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  const ButtonSet set = ButtonsOf(buttons);
  bool first = true;
  for (const ButtonSpec& entry : set.buttons) {
    QAbstractButton* button = box.addButton(entry.button);
    button->setText(QString::fromUtf8(entry.text));
    if (first) box.setDefaultButton(entry.button);  // the first button is the default
    first = false;
  }
  box.setEscapeButton(set.escape.button);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  const QMessageBox::StandardButton chosen =
      clicked ? box.standardButton(clicked) : set.escape.button;
  for (const ButtonSpec& entry : set.buttons) {
    if (entry.button == chosen) return entry.id;
  }
  return set.escape.id;
}

}  // namespace

int AppMessageBox(const QString& text, const QString& caption, MsgButtons buttons) {
  if (Handler()) return Handler()(text, caption, buttons);
  return ShowRealBox(text, caption, buttons);
}

void ShowErrorMessage(const QString& text) {
  AppMessageBox(text, QStringLiteral("エラー"), MsgButtons::Ok);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

}  // namespace scoreink

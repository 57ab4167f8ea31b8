#include "platform/ui/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace scoreink {

namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

// The buttons' labels are Qt's own, in Japanese once Qt's translation is loaded
// (platform/ui/qt_translations.h).
struct ButtonSpec {
  QMessageBox::StandardButton button;
  int id;
};

constexpr ButtonSpec kOk{QMessageBox::Ok, kIdOk};
constexpr ButtonSpec kCancel{QMessageBox::Cancel, kIdCancel};
constexpr ButtonSpec kYes{QMessageBox::Yes, kIdYes};
constexpr ButtonSpec kNo{QMessageBox::No, kIdNo};

// Room a title bar takes besides the caption: its buttons and margins.
constexpr int kTitleBarExtra = 140;

// A box is as wide as its text, and a short text under a long caption ("これより前はない" under
// "どうでもいいけど") cut the caption in the title bar: the box is made wide enough for both.
void WidenForCaption(QMessageBox& box, const QString& caption) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
  const int width = title.horizontalAdvance(caption) + kTitleBarExtra;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

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
    box.addButton(entry.button);
    if (first) box.setDefaultButton(entry.button);  // the first button is the default
    first = false;
  }
  box.setEscapeButton(set.escape.button);
  WidenForCaption(box, caption);
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

// The application message box and its test seam.
#include "platform/ui/message_box.h"

#include "platform/ui/qt_translations.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace scoreink {
namespace {

// Runs act on the first modal window that appears while the caller sits in exec().
void WhenModalShows(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      act(modal);
    }
  });
  timer->start(10);
}

struct AskedBox {
  QString text, caption;
  MsgButtons buttons;
};

TEST(MessageBoxTest, TheHandlerIsAskedAndAnswers) {
  std::vector<AskedBox> asked;
  const MessageBoxHandler previous =
      SetMessageBoxHandler([&](const QString& text, const QString& caption, MsgButtons buttons) {
        asked.push_back({text, caption, buttons});
        return kIdNo;
      });
  EXPECT_EQ(AppMessageBox("上書きしていい?", "同じ名前", MsgButtons::YesNo), kIdNo);
  ShowErrorMessage("読めない");
  const MessageBoxHandler mine = SetMessageBoxHandler(previous);

  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].text, "上書きしていい?");
  EXPECT_EQ(asked[0].caption, "同じ名前");
  EXPECT_EQ(asked[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(asked[1].text, "読めない");
  EXPECT_EQ(asked[1].caption, "エラー");
  EXPECT_EQ(asked[1].buttons, MsgButtons::Ok);
  ASSERT_TRUE(mine) << "installing a handler hands back the one it replaced";
  mine("", "", MsgButtons::Ok);
  EXPECT_EQ(asked.size(), 3u);
}

TEST(MessageBoxTest, TheRealBoxShowsCaptionTextAndButtonsWithoutIcon) {
  struct Case {
    MsgButtons buttons;
    QStringList labels;
    int clickIndex;  // -1: the box is closed without a button
    int expected;
  };
  // The labels are Qt's own, from Qt's Japanese translation as the program loads it.
  ASSERT_TRUE(LoadQtTranslations(*qApp));
  const QString ok = "OK", cancel = "キャンセル", yes = "はい(&Y)", no = "いいえ(&N)";
  const Case cases[] = {
      {MsgButtons::Ok, {ok}, 0, kIdOk},
      {MsgButtons::Ok, {ok}, -1, kIdOk},
      {MsgButtons::OkCancel, {ok, cancel}, 1, kIdCancel},
      {MsgButtons::OkCancel, {ok, cancel}, -1, kIdCancel},
      {MsgButtons::YesNo, {yes, no}, 0, kIdYes},
      {MsgButtons::YesNo, {yes, no}, -1, kIdNo},
      {MsgButtons::YesNoCancel, {yes, no, cancel}, 1, kIdNo},
      {MsgButtons::YesNoCancel, {yes, no, cancel}, -1, kIdCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.labels.join(",").toStdString() + " click " + std::to_string(c.clickIndex));
    QString title, text, defaultLabel;
    QStringList labels;
    int width = 0;
    QMessageBox::Icon icon = QMessageBox::Warning;
    WhenModalShows([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) {
        modal->close();
        return;
      }
      title = box->windowTitle();
      text = box->text();
      width = box->width();
      icon = box->icon();
      if (box->defaultButton()) defaultLabel = box->defaultButton()->text();
      QAbstractButton* toClick = nullptr;
      for (QAbstractButton* button : box->buttons()) {
        labels << button->text();
        if (c.clickIndex >= 0 && button->text() == c.labels[c.clickIndex]) toClick = button;
      }
      if (toClick)
        toClick->click();
      else
        box->close();
    });
    EXPECT_EQ(AppMessageBox("これより前はない", "どうでもいいけど", c.buttons), c.expected);
    EXPECT_EQ(title, "どうでもいいけど");
    EXPECT_EQ(text, "これより前はない");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    // A short text does not make the box too narrow for its caption in the title bar.
    EXPECT_GT(
        width,
        QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(title));
    EXPECT_EQ(defaultLabel, c.labels.first()) << "the first button is the default";
    QStringList expectedLabels = c.labels;
    expectedLabels.sort();
    labels.sort();
    EXPECT_EQ(labels, expectedLabels);
  }
}

}  // namespace
}  // namespace scoreink

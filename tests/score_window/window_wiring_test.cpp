// How the window's controls reach their handlers: the focus sink after every panel action,
// clicks on backgrounds, radio buttons checked and unchecked from code, sender names.
#include <gtest/gtest.h>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "harness/score_window_harness.h"
#include "platform/ui/click_filter.h"
#include "platform/ui/control_values.h"
#include "platform/ui/sender_digits.h"

namespace scoreink::test {
namespace {

TEST(ScoreWindowWiring, EveryPanelActionEndsWithTheFocusOnTheSink) {
  ScoreWindowHarness ui;
  // Save asks for a name (cancelled here); undo and redo on a fresh score only say so.
  ui.Dialogs().AnswerSave(std::nullopt);
  ui.Dialogs().AnswerBox(kIdOk);
  ui.Dialogs().AnswerBox(kIdOk);
  for (const char* name : {"Btn1", "Btn3", "Btn7", "Btn8", "Btn9", "Btn11", "Btn12", "Btn5", "Btn6",
                           "Edit1", "Edit2", "RBtnLM1", "RBtnLM2", "RBtnLM0"}) {
    ui->Control<QPushButton>("Btn2")->setFocus();
    ui.Click(name);
    EXPECT_EQ(ui->focusWidget(), ui->Control<QLineEdit>("Edit0")) << name;
  }
  EXPECT_FALSE(ui.Dialogs().HasPendingAnswers());
  ui->Control<QPushButton>("Btn2")->setFocus();
  ui.ChooseIndex("ComboBox1", 3);
  EXPECT_EQ(ui->focusWidget(), ui->Control<QLineEdit>("Edit0"));
  EXPECT_EQ(ui->Control<QComboBox>("ComboBox1")->currentIndex(), 3);
}

TEST(ScoreWindowWiring, SymbolModeCanLeaveEveryToolUncheckedAndCodeCanCheckOneAgain) {
  ScoreWindowHarness ui;
  UncheckAll(ui->Control<QButtonGroup>("RBtnLMGroup"));
  for (QAbstractButton* button : ui->Control<QButtonGroup>("RBtnLMGroup")->buttons())
    EXPECT_FALSE(button->isChecked());
  EXPECT_TRUE(ui->Control<QButtonGroup>("RBtnLMGroup")->exclusive());

  QSignalSpy toggles(ui->Control<QRadioButton>("RBtnLM0"), &QAbstractButton::toggled);
  ui->Control<QRadioButton>("RBtnLM0")->setChecked(true);
  EXPECT_EQ(toggles.size(), 1);
  ui->Control<QRadioButton>("RBtnLM3")->setChecked(true);  // still one choice at a time
  EXPECT_FALSE(ui->Control<QRadioButton>("RBtnLM0")->isChecked());

  UncheckButton(ui->Control<QRadioButton>("RBtnLM3"));
  EXPECT_EQ(ui->Control<QButtonGroup>("RBtnLMGroup")->checkedButton(), nullptr);
}

TEST(ScoreWindowWiring, LabelsHoldNumbersAsText) {
  QLabel label;
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c :
       {Case{"100", 100}, Case{"2", 2}, Case{"", 0}, Case{"abc", 0}, Case{" 30", 30}}) {
    label.setText(c.text);
    EXPECT_EQ(LabelInteger(&label), c.value) << c.text;
  }
  SetLabelInteger(&label, 800);
  EXPECT_EQ(label.text(), "800");
}

TEST(ScoreWindowWiring, GroupHandlersReadTheDigitsThatEndTheSendersName) {
  struct Case {
    const char* name;
    int number;
    int lastDigit;
  };
  for (const Case& c :
       {Case{"Btn10", 10, 0}, Case{"Btn9", 9, 9}, Case{"RBtnLM3", 3, 3}, Case{"OPImg07", 7, 7},
        Case{"Img23", 23, 3}, Case{"BtnXX", -1, -1}, Case{"", -1, -1}}) {
    QObject sender;
    sender.setObjectName(c.name);
    EXPECT_EQ(TrailingNumber(&sender), c.number) << c.name;
    EXPECT_EQ(LastDigit(&sender), c.lastDigit) << c.name;
  }
  EXPECT_EQ(TrailingNumber(static_cast<const QObject*>(nullptr)), -1);
}

TEST(ClickFilter, CountsBackgroundClicksButNotClicksOnChildren) {
  QWidget panel;
  panel.resize(100, 100);
  auto* label = new QLabel("label", &panel);
  label->setGeometry(10, 10, 40, 20);
  panel.setAttribute(Qt::WA_NoMousePropagation);
  int clicks = 0, doubles = 0;
  new ClickFilter(
      &panel, ClickFilter::Area::BackgroundOnly, [&] { ++clicks; }, [&] { ++doubles; });

  ClickWidgetAt(&panel, {80, 80});
  EXPECT_EQ(clicks, 1);
  ClickWidgetAt(label, {5, 5});  // reaches the panel, but on a child
  EXPECT_EQ(clicks, 1);
  ClickWidgetAt(&panel, {80, 80}, Qt::RightButton);
  EXPECT_EQ(clicks, 1);
  DoubleClickWidgetAt(&panel, {70, 70});
  EXPECT_EQ(doubles, 1);
  // A press on the background and a release beyond the panel is no click.
  SendMouse(&panel, QEvent::MouseButtonPress, {90, 90}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(&panel, QEvent::MouseButtonRelease, {150, 90}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(clicks, 2);  // the double click's first click only
}

}  // namespace
}  // namespace scoreink::test

// Every shortcut of the score window gives what a click on its button gives, and Escape takes
// back a rubber band or leaves symbol mode.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QPushButton>
#include <functional>

#include "habits_test_support.h"
#include "harness/desktop_input.h"
#include "harness/form_driver.h"
#include "harness/score_window_harness.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

void Stroke(ScoreWindowHarness& ui) {
  ui.DragOnScore({200, 400}, {260, 420});
}

// Two strokes, both undone: the first can be redone.
void TwoStrokesUndone(ScoreWindowHarness& ui) {
  Stroke(ui);
  ui.DragOnScore({200, 500}, {260, 520});
  ui.Click("Btn7");
  ui.Click("Btn7");
}

QString Outcome(ScoreWindowHarness& ui) {
  return QStringLiteral("zoom:%1 score:%2 btn4:%3 symbol:%4 prints:%5 %6")
      .arg(ui.Zoom())
      .arg(PictureSummary(ui.Score()))
      .arg(ui->Control<QPushButton>("Btn4")->isEnabled())
      .arg(ui->Control<QPushButton>("BtnXX")->isVisible())
      .arg(ui.Printer().JobsOpened())
      .arg(SharedSummary(ui.Dialogs()));
}

using ScoreStep = std::function<void(ScoreWindowHarness&)>;

ScoreStep Keys(const char* keys) {
  return [keys](ScoreWindowHarness& ui) { PressKeys(&ui.Window(), keys); };
}

ScoreStep CtrlWheel(int notches) {
  return [notches](ScoreWindowHarness& ui) {
    TurnWheel(ui.ScoreView(), {300, 300}, notches, Qt::ControlModifier);
  };
}

struct Case {
  const char* name;
  ScoreStep otherWay;
  const char* button;
  ScoreStep before;
};

TEST(ScoreShortcuts, EachShortcutAndCtrlWheelGivesWhatItsButtonGives) {
  const auto saveAs = [](ScoreWindowHarness& ui) {
    ui.Dialogs().AnswerSave(ui.Folder().Path() + "score.bmp");
  };
  const Case cases[] = {
      {"undo", Keys("Ctrl+Z"), "Btn7", Stroke},
      {"redo", Keys("Ctrl+Y"), "Btn8", TwoStrokesUndone},
      {"redo, second keys", Keys("Ctrl+Shift+Z"), "Btn8", TwoStrokesUndone},
      {"save asks a name", Keys("Ctrl+Shift+S"), "Btn3",
       [&](ScoreWindowHarness& ui) {
         Stroke(ui);
         saveAs(ui);
       }},
      {"save, never saved: asks a name", Keys("Ctrl+S"), "Btn3",
       [&](ScoreWindowHarness& ui) {
         Stroke(ui);
         saveAs(ui);
       }},
      {"save, saved before: overwrites", Keys("Ctrl+S"), "Btn4",
       [&](ScoreWindowHarness& ui) {
         saveAs(ui);
         ui.Click("Btn3");
         Stroke(ui);
       }},
      {"open", Keys("Ctrl+O"), "Btn2", nullptr},
      {"new", Keys("Ctrl+N"), "Btn1",
       [](ScoreWindowHarness& ui) {
         Stroke(ui);
         ui.Dialogs().AnswerBox(kIdNo);
       }},
      {"print", Keys("Ctrl+P"), "Btn11", nullptr},
      {"zoom in", Keys("Ctrl++"), "Btn10", nullptr},
      {"zoom in without Shift", Keys("Ctrl+="), "Btn10", nullptr},
      {"zoom out", Keys("Ctrl+-"), "Btn9", nullptr},
      {"wheel in", CtrlWheel(1), "Btn10", nullptr},
      {"wheel out", CtrlWheel(-1), "Btn9", nullptr},
      {"leave symbol mode, stamping what floats", Keys("Esc"), "BtnXX",
       [](ScoreWindowHarness& ui) {
         ui.Click("Img01");
         ui.PressOnScore({300, 300});
         ui.ReleaseOnScore({300, 300});
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString clicked, pressed, before;
    for (const bool otherWay : {false, true}) {
      ScoreWindowHarness ui;
      if (c.before) c.before(ui);
      before = Outcome(ui);
      if (otherWay)
        c.otherWay(ui);
      else
        ui.Click(c.button);
      (otherWay ? pressed : clicked) = Outcome(ui);
      // The score file dialog is not left open behind the next case.
      if (Form2) FormDriver(Form2).Click("Button2");
    }
    EXPECT_NE(clicked, before) << "the button did nothing to compare with";
    EXPECT_EQ(pressed.toStdString(), clicked.toStdString());
  }
}

TEST(ScoreShortcuts, EscapeTakesBackARubberBandAndTheReleaseDoesNothing) {
  // Region delete, region copy, and a free straight line.
  for (const char* tool : {"RBtnLM3", "RBtnLM5", "RBtnLM1"}) {
    SCOPED_TRACE(tool);
    ScoreWindowHarness ui;
    ui.Click(tool);
    const QImage before = ui.Score().copy();
    ui.PressOnScore({200, 100});
    ui.MoveOnScore({320, 260});
    ASSERT_NE(ui.Score(), before) << "the rubber band shows";
    PressKeys(&ui.Window(), "Esc");
    EXPECT_EQ(ui.Score(), before);
    EXPECT_FALSE(ui->InGesture());
    ui.MoveOnScore({330, 270});
    ui.ReleaseOnScore({330, 270});
    EXPECT_EQ(ui.Score(), before) << "nothing deleted, lifted or drawn";
    EXPECT_TRUE(ui.Overlay()->isHidden());
  }
}

TEST(ScoreShortcuts, EscapeOutsideSymbolModeWithNothingUnderWayDoesNothing) {
  ScoreWindowHarness ui;
  Stroke(ui);
  const QString before = Outcome(ui);
  PressKeys(&ui.Window(), "Esc");
  EXPECT_EQ(Outcome(ui), before);
  EXPECT_TRUE(ui->Control<QGroupBox>("GroupBox1")->isVisible());
}

}  // namespace
}  // namespace scoreink::test

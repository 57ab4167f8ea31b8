// The symbol editor's shortcuts give what its buttons give; Ctrl+wheel zooms each area by its
// buttons' steps, the wheel and the middle button scroll the import area, and Escape takes
// back a selection or figure being dragged.
#include <gtest/gtest.h>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>

#include "habits_test_support.h"
#include "harness/desktop_input.h"
#include "harness/symbol_editor_harness.h"
#include "harness/widget_input.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {
namespace {

QString Outcome(SymbolEditorHarness& ed) {
  return QStringLiteral("zoom:%1/%2 drawing:%3 shown:%4x%5 %6")
      .arg(ed->Control<QLabel>("LBL0")->text(), ed->Control<QLabel>("LBL1")->text())
      .arg(PictureSummary(ed.Drawing()))
      .arg(ed.DrawingView()->width())
      .arg(ed.DrawingView()->height())
      .arg(SharedSummary(ed.Dialogs()));
}

void Draw(SymbolEditorHarness& ed) {
  ed.DragOnDrawing({8, 8}, {60, 40});
}

// A black and white picture with a black square, big enough to scroll at 200 percent.
QImage ImportPicture() {
  QImage picture(900, 900, QImage::Format_RGB888);
  picture.fill(Qt::white);
  for (int y = 20; y < 60; ++y)
    for (int x = 20; x < 60; ++x) picture.setPixel(x, y, qRgb(0, 0, 0));
  return picture;
}

using EditorStep = std::function<void(SymbolEditorHarness&)>;

EditorStep Keys(const char* keys) {
  return [keys](SymbolEditorHarness& ed) { PressKeys(&ed.Editor(), keys); };
}

EditorStep CtrlWheel(const char* area, int notches) {
  return [area, notches](SymbolEditorHarness& ed) {
    TurnWheel(ed.Find(area), {20, 20}, notches, Qt::ControlModifier);
  };
}

TEST(EditorHabits, EachShortcutAndCtrlWheelGivesWhatItsButtonGives) {
  struct Case {
    const char* name;
    EditorStep otherWay;
    const char* button;
    EditorStep before;
  };
  // Two changes, both undone: the first can be redone.
  const auto drawThenUndo = [](SymbolEditorHarness& ed) {
    Draw(ed);
    ed.DragOnDrawing({20, 60}, {80, 90});
    ed.Click("Btn14");
    ed.Click("Btn14");
  };
  const auto imported = [](SymbolEditorHarness& ed) { ed.Import(ImportPicture()); };
  const Case cases[] = {
      {"undo", Keys("Ctrl+Z"), "Btn14", Draw},
      {"redo", Keys("Ctrl+Y"), "Btn15", drawThenUndo},
      {"redo, second keys", Keys("Ctrl+Shift+Z"), "Btn15", drawThenUndo},
      {"open a picture", Keys("Ctrl+O"), "Btn11", nullptr},
      {"zoom in", Keys("Ctrl++"), "BtnZoomUpDn01", nullptr},
      {"zoom in without Shift", Keys("Ctrl+="), "BtnZoomUpDn01", nullptr},
      {"zoom out", Keys("Ctrl+-"), "BtnZoomUpDn00", nullptr},
      {"wheel in over the drawing", CtrlWheel("Img0", 1), "BtnZoomUpDn01", nullptr},
      {"wheel out over the drawing", CtrlWheel("Img0", -1), "BtnZoomUpDn00", nullptr},
      {"wheel in over the import", CtrlWheel("Img1", 1), "BtnZoomUpDn11", imported},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString clicked, pressed, before;
    for (const bool otherWay : {false, true}) {
      SymbolEditorHarness ed;
      if (c.before) c.before(ed);
      before = Outcome(ed);
      if (otherWay)
        c.otherWay(ed);
      else
        ed.Click(c.button);
      (otherWay ? pressed : clicked) = Outcome(ed);
      if (Form4) FormDriver(Form4).Click("Button2");
    }
    EXPECT_NE(clicked, before) << "the button did nothing to compare with";
    EXPECT_EQ(pressed.toStdString(), clicked.toStdString());
  }
}

TEST(EditorHabits, TheImportAreaScrollsAndPansButZoomsOnlyOnceItsButtonsShow) {
  SymbolEditorHarness ed;
  TurnWheel(ed.ImportView(), {20, 20}, 1,
            Qt::ControlModifier);  // nothing imported: buttons hidden
  EXPECT_EQ(ed->Control<QLabel>("LBL1")->text(), "100");
  ed.Import(ImportPicture());
  ed.Click("BtnZoomUpDn11");  // 1800 x 1800 in the area
  QScrollBar* h = ed->Control<QScrollArea>("ScrollBox1")->horizontalScrollBar();
  QScrollBar* v = ed->Control<QScrollArea>("ScrollBox1")->verticalScrollBar();
  TurnWheel(ed.ImportView(), {100, 100}, -1);
  TurnWheel(ed.ImportView(), {100, 100}, -1, Qt::ShiftModifier);
  EXPECT_GT(v->value(), 0);
  EXPECT_GT(h->value(), 0);
  const QPoint start(h->value(), v->value());
  QWidget* viewport = ed->Control<QScrollArea>("ScrollBox1")->viewport();
  SendMouse(viewport, QEvent::MouseButtonPress, {300, 300}, Qt::MiddleButton, Qt::MiddleButton);
  SendMouse(viewport, QEvent::MouseMove, {250, 200}, Qt::NoButton, Qt::MiddleButton);
  SendMouse(viewport, QEvent::MouseButtonRelease, {250, 200}, Qt::MiddleButton, Qt::NoButton);
  EXPECT_EQ(QPoint(h->value(), v->value()), start + QPoint(50, 100));
}

TEST(EditorHabits, EscapeTakesBackASelectionOrAFigureAndItsReleaseDoesNothing) {
  SymbolEditorHarness ed;
  ed.Import(ImportPicture());
  const QImage blank = ed.Drawing().copy();
  const int pos = HistoryPos();

  ed.Press("Img1", {10, 10});
  ed.Move("Img1", {70, 50});
  ASSERT_NE(ed.ImportView()->Picture(), ed->Control<ImageControl>("ImgBK")->Picture())
      << "the selection shows";
  PressKeys(&ed.Editor(), "Esc");
  EXPECT_EQ(ed.ImportView()->Picture(), ed->Control<ImageControl>("ImgBK")->Picture());
  ed.Release("Img1", {70, 50});
  EXPECT_EQ(ed.Drawing(), blank) << "nothing copied";
  EXPECT_EQ(HistoryPos(), pos);

  ed.Click("RBtn2");  // rectangle
  ed.PressOnDrawing({8, 8});
  ed.MoveOnDrawing({60, 40});
  ASSERT_NE(ed.Drawing(), blank) << "the figure shows";
  PressKeys(&ed.Editor(), "Esc");
  EXPECT_EQ(ed.Drawing(), blank);
  ed.ReleaseOnDrawing({60, 40});
  EXPECT_EQ(ed.Drawing(), blank) << "nothing drawn";
}

}  // namespace
}  // namespace scoreink::test

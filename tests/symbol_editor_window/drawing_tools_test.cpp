// The drawing tools through the window: pen figures dragged at 400 %, the fill, pen width and
// colour, Clear.
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <set>

#include "harness/symbol_editor_harness.h"
#include "platform/raster/canvas.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::test {
namespace {

QImage BlankDrawing() {
  return NewBitmap(30, 30, PixelFormat::Bits24);
}

// A one-pixel pen: from width 2 one click down.
void ThinPen(SymbolEditorHarness& ed) {
  ed.Click("Btn09");
  ASSERT_EQ(ed->CurrentPenWidth(), 1);
}

TEST(SymbolEditorPen, WidthStepsWithinOneToSix) {
  SymbolEditorHarness ed;
  struct Step {
    const char* button;
    int times;
    const char* shown;
  };
  const Step steps[] = {{"Btn10", 4, "6"}, {"Btn10", 1, "6"}, {"Btn09", 3, "3"},
                        {"Btn09", 5, "1"}, {"Btn09", 1, "1"}, {"Btn10", 1, "2"}};
  for (const Step& step : steps) {
    ed.Click(step.button, step.times);
    EXPECT_EQ(ed->Control<QLabel>("LBL8")->text(), step.shown) << step.button << " x" << step.times;
    EXPECT_EQ(QString::number(ed->CurrentPenWidth()), step.shown);
  }
  EXPECT_EQ(HistoryPos(), 1);  // choosing tools records nothing
}

TEST(SymbolEditorPen, TheRightButtonDoesNothing) {
  SymbolEditorHarness ed;
  ed.PressOnDrawing({10, 10}, Qt::RightButton);
  ed.MoveOnDrawing({60, 60});
  ed.ReleaseOnDrawing({60, 60}, Qt::RightButton);
  EXPECT_TRUE(AllWhite(ed.Drawing()));
  EXPECT_FALSE(ed->InDrag());
  EXPECT_EQ(HistoryPos(), 1);
}

TEST(SymbolEditorPen, AOnePixelPressAndReleaseOnOnePixelDrawsNothingButIsOneUndoStep) {
  for (const char* shape : {"RBtn0", "RBtn1"}) {
    SCOPED_TRACE(shape);
    SymbolEditorHarness ed;
    ThinPen(ed);
    ed.Click(shape);
    ed.ClickOnDrawing(ed.DrawingPoint({5, 5}));
    EXPECT_TRUE(AllWhite(ed.Drawing()));
    EXPECT_EQ(HistoryPos(), 2);
    ed.Undo();
    EXPECT_EQ(HistoryPos(), 1);
  }
}

// What the figure drawn once, for good, from `from` to `to` gives on `start`.
QImage FigureOn(QImage start, int shape, int width, QRgb color, QPoint from, QPoint to) {
  Canvas canvas(&start);
  canvas.SetPenWidth(width);
  canvas.SetPenColor(color);
  canvas.SetBrushStyle(BrushStyle::Clear);
  switch (shape) {
    case 1:
      canvas.MoveTo(from.x(), from.y());
      canvas.LineTo(to.x(), to.y());
      break;
    case 2:
      canvas.Rectangle(from.x(), from.y(), to.x(), to.y());
      break;
    case 3:
      canvas.Ellipse(from.x(), from.y(), to.x(), to.y());
      break;
    default:
      break;
  }
  return start;
}

TEST(SymbolEditorPen, LinesRectanglesAndEllipsesLeaveOnlyTheFigureAtTheRelease) {
  struct FigureCase {
    const char* radio;
    int shape;
    int width;
  };
  const FigureCase cases[] = {{"RBtn1", 1, 1}, {"RBtn1", 1, 3}, {"RBtn2", 2, 1},
                              {"RBtn2", 2, 2}, {"RBtn3", 3, 1}, {"RBtn3", 3, 4}};
  // The feedback runs past the end and back before the release.
  const QPoint from(3, 4), path[] = {{10, 6}, {28, 27}, {2, 20}, {17, 25}}, to(17, 25);
  for (const FigureCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.radio << " width " << c.width);
    SymbolEditorHarness ed;
    ed.Click(c.radio);
    ed.Click("Btn09");
    ed.Click("Btn10", c.width - 1);
    ASSERT_EQ(ed->CurrentPenWidth(), c.width);
    ed.PressOnDrawing(ed.DrawingPoint(from));
    for (const QPoint& p : path) ed.MoveOnDrawing(ed.DrawingPoint(p));
    ed.ReleaseOnDrawing(ed.DrawingPoint(to));
    EXPECT_EQ(ed.Drawing(), FigureOn(BlankDrawing(), c.shape, c.width, kBlack, from, to));
    EXPECT_EQ(ed->Control<ImageControl>("ImgTMP")->Picture(),
              ed.Drawing());  // a completed change renews the move base
    EXPECT_EQ(HistoryPos(), 2);
  }
}

TEST(SymbolEditorPen, AWhiteFigureShowsOnlyWhereItEnds) {
  SymbolEditorHarness ed;
  ed.Click("Btn10", 4);  // a 6-pixel black line to draw over
  ed.Click("RBtn1");
  ed.DragOnDrawing(ed.DrawingPoint({0, 15}), ed.DrawingPoint({29, 15}));
  const QImage line = ed.Drawing();
  ed.Click("Btn09", 5);
  ed.Click("Edit2");
  EXPECT_EQ(ed->CurrentDrawColor(), kWhite);
  ed.Click("RBtn2");
  ed.PressOnDrawing(ed.DrawingPoint({5, 5}));
  for (const QPoint& p : {QPoint(25, 25), QPoint(12, 20), QPoint(20, 18)})
    ed.MoveOnDrawing(ed.DrawingPoint(p));
  ed.ReleaseOnDrawing(ed.DrawingPoint({20, 18}));
  EXPECT_EQ(ed.Drawing(), FigureOn(line, 2, 1, kWhite, {5, 5}, {20, 18}));
}

TEST(SymbolEditorPen, TheRectangleFrom2And2To10And8CoversColumns2To9AndRows2To7) {
  SymbolEditorHarness ed;
  ThinPen(ed);
  ed.Click("RBtn2");
  ed.DragOnDrawing({9, 9}, {41, 33}, 5);  // 400 %: pixels (2, 2) and (10, 8)
  std::set<std::pair<int, int>> outline;
  for (int x = 2; x <= 9; ++x) outline.insert({x, 2}), outline.insert({x, 7});
  for (int y = 2; y <= 7; ++y) outline.insert({2, y}), outline.insert({9, y});
  std::set<std::pair<int, int>> black;
  for (const QPoint& p : BlackPixels(ed.Drawing())) black.insert({p.x(), p.y()});
  EXPECT_EQ(black, outline);
}

// True when the black pixels are one 8-connected set.
bool Connected(const QList<QPoint>& pixels) {
  if (pixels.isEmpty()) return false;
  std::set<std::pair<int, int>> left;
  for (const QPoint& p : pixels) left.insert({p.x(), p.y()});
  std::vector<std::pair<int, int>> stack{*left.begin()};
  left.erase(left.begin());
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const auto it = left.find({x + dx, y + dy});
        if (it == left.end()) continue;
        stack.push_back(*it);
        left.erase(it);
      }
  }
  return left.empty();
}

TEST(SymbolEditorPen, AFreeLineAt400PercentIsOneConnectedStrokeThroughEveryMovePoint) {
  SymbolEditorHarness ed;
  const QPoint path[] = {{6, 6}, {30, 10}, {70, 14}, {110, 70}, {40, 115}, {8, 100}};
  ed.PressOnDrawing(path[0]);
  for (const QPoint& p : path) ed.MoveOnDrawing(p);
  ed.ReleaseOnDrawing(path[std::size(path) - 1]);

  QImage expected = BlankDrawing();
  Canvas canvas(&expected);
  canvas.SetPenWidth(2);
  canvas.MoveTo(path[0].x() / 4, path[0].y() / 4);
  for (const QPoint& p : path) canvas.LineTo(p.x() / 4, p.y() / 4);
  EXPECT_EQ(ed.Drawing(), expected);
  EXPECT_TRUE(Connected(BlackPixels(ed.Drawing())));
  EXPECT_EQ(HistoryPos(), 2);
}

TEST(SymbolEditorBrush, ChoosingTheBrushHidesThePenControlsAndKeepsTheFigure) {
  SymbolEditorHarness ed;
  ed.Click("RBtn3");
  ed.Click("RBtn4");
  EXPECT_FALSE(ed->PenChosen());
  EXPECT_EQ(ed->Control<QLabel>("LBL9")->text(), "Brushの色");
  for (const QWidget* w :
       {ed->Control("LBL8"), ed->Control("Btn09"), ed->Control("Btn10"), ed->Control("GroupBox1")})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  ed.Click("RBtn5");
  EXPECT_TRUE(ed->PenChosen());
  EXPECT_EQ(ed->Control<QLabel>("LBL9")->text(), "Penの太さ、色");
  EXPECT_FALSE(ed->Control<QGroupBox>("GroupBox1")->isHidden());
  EXPECT_FALSE(ed->Control<QLabel>("LBL8")->isHidden());
  EXPECT_EQ(ed->CurrentShape(), EditorShape::Ellipse);
  EXPECT_EQ(HistoryPos(), 1);
}

TEST(SymbolEditorBrush, ADragDrawsNothingAndRecordsNothing) {
  SymbolEditorHarness ed;
  ed.Click("RBtn4");
  ed.DragOnDrawing({10, 10}, {100, 90});
  EXPECT_TRUE(AllWhite(ed.Drawing()));
  EXPECT_EQ(HistoryPos(), 1);
}

TEST(SymbolEditorBrush, AClickOnTheBrushColourChangesNothingYetIsOneMoreUndoStep) {
  SymbolEditorHarness ed;
  ed.Click("RBtn4");
  ed.ClickOnDrawing({50, 50});
  EXPECT_EQ(BlackPixels(ed.Drawing()).size(), 900);
  EXPECT_EQ(HistoryPos(), 2);
  ed.ClickOnDrawing({50, 50});
  EXPECT_EQ(BlackPixels(ed.Drawing()).size(), 900);
  EXPECT_EQ(HistoryPos(), 3);
  ed.Undo();
  EXPECT_EQ(BlackPixels(ed.Drawing()).size(), 900);
  ed.Undo();
  EXPECT_TRUE(AllWhite(ed.Drawing()));
}

TEST(SymbolEditorBrush, AFillStaysOnItsSideOfAnOutline) {
  struct FillCase {
    const char* what;
    QPoint click;  // drawing pixel
  };
  const FillCase cases[] = {{"inside", {10, 10}}, {"outside", {1, 1}}, {"far corner", {29, 29}}};
  for (const FillCase& c : cases) {
    SCOPED_TRACE(c.what);
    SymbolEditorHarness ed;
    ThinPen(ed);
    ed.Click("RBtn2");
    ed.DragOnDrawing(ed.DrawingPoint({4, 4}), ed.DrawingPoint({20, 16}));
    QImage expected = ed.Drawing();
    ed.Click("RBtn4");
    ed.ClickOnDrawing(ed.DrawingPoint(c.click));
    Canvas canvas(&expected);
    canvas.SetBrushColor(kBlack);
    canvas.FloodFill(c.click.x(), c.click.y(), kWhite);
    EXPECT_EQ(ed.Drawing(), expected);
    EXPECT_FALSE(AllWhite(expected.copy(c.click.x(), c.click.y(), 1, 1)));
    EXPECT_NE(BlackPixels(expected).size(), 900);  // the other side stays white
  }
}

TEST(SymbolEditorClear, ClearAt800PercentGoesBackTo400AndCanBeUndone) {
  SymbolEditorHarness ed;
  ed.Click("BtnZoomUpDn01", 4);
  ASSERT_EQ(ed->Control<QLabel>("LBL0")->text(), "800");
  ASSERT_EQ(ed.DrawingView()->size(), QSize(240, 240));
  ed.DragOnDrawing({20, 20}, {200, 150});
  const QImage drawn = ed.Drawing();
  ASSERT_FALSE(AllWhite(drawn));

  ed.Click("Btn12");
  EXPECT_EQ(ed->Control<QLabel>("LBL0")->text(), "400");
  EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 120));
  EXPECT_EQ(ed.Drawing().size(), QSize(30, 30));
  EXPECT_TRUE(AllWhite(ed.Drawing()));
  EXPECT_EQ(ed->Control<ImageControl>("ImgTMP")->Picture(), ed.Drawing());

  ed.Undo();
  EXPECT_EQ(ed.Drawing(), drawn);
  EXPECT_EQ(ed.DrawingView()->size(), QSize(120, 120));
}

}  // namespace
}  // namespace scoreink::test

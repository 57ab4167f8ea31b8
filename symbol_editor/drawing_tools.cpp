// The drawing tools: pen figures dragged on the drawing (free line, straight line, rectangle,
// ellipse), the fill, and the choice of tool, pen width and colour.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editing/surface_rules.h"
#include "platform/files/work_files.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/sender_digits.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

namespace {

constexpr int kMinPenWidth = 1;
constexpr int kMaxPenWidth = 6;

}  // namespace

QPoint TForm3::BitmapPoint(const ImageControl* image, int x, int y) {
  return ToBitmapPoint(QPoint(x, y), image->size(), image->Picture().size());
}

void TForm3::Img0MouseDown(Qt::MouseButton button, int x, int y) {
  if (!UsePen || button != Qt::LeftButton) return;
  RecordChange();
  DrawCanvas.SetBrushStyle(BrushStyle::Clear);
  DrawCanvas.SetPenWidth(PenWidth);
  DrawCanvas.SetPenColor(DrawColor);
  DrawCanvas.SetPenStyle(PenStyle::Solid);
  const QPoint p = BitmapPoint(Img0, x, y);
  DrawCanvas.MoveTo(p.x(), p.y());
  Dragging = true;
  StartPt = CurPt = p;
}

void TForm3::Img0MouseMove(int x, int y) {
  if (!UsePen || !Dragging) return;
  const QPoint p = BitmapPoint(Img0, x, y);
  DrawShape(StartPt, CurPt, true);  // takes the previous feedback figure away
  CurPt = p;
  DrawShape(StartPt, CurPt, true);
}

void TForm3::Img0MouseUp(Qt::MouseButton button, int x, int y) {
  if (!UsePen || button != Qt::LeftButton || !Dragging) return;
  const QPoint p = BitmapPoint(Img0, x, y);
  Dragging = false;
  // Drawn for good over the last feedback figure, which lies in the same place.
  DrawShape(StartPt, p, false);
  SetMoveBase();
}

void TForm3::DrawShape(QPoint start, QPoint end, bool feedback) {
  DrawCanvas.SetPenMode(ShapeKind != EditorShape::FreeLine && feedback ? PenMode::NotXor
                                                                       : PenMode::Copy);
  switch (ShapeKind) {
    case EditorShape::FreeLine:
      DrawCanvas.LineTo(end.x(), end.y());
      break;
    case EditorShape::StraightLine:
      DrawCanvas.MoveTo(start.x(), start.y());
      DrawCanvas.LineTo(end.x(), end.y());
      break;
    case EditorShape::Rectangle:
      DrawCanvas.Rectangle(start.x(), start.y(), end.x(), end.y());
      break;
    case EditorShape::Ellipse:
      DrawCanvas.Ellipse(start.x(), start.y(), end.x(), end.y());
      break;
  }
  ShowCanvasWork(DrawCanvas, Img0);
}

// A click on the drawing with "Brush" chosen fills the area around it.
void TForm3::Img0Click(QObject*) {
  if (UsePen) return;
  // A drag with the brush is no click: only a press and release about the same place fill.
  if ((drawingReleasePos_ - drawingPressPos_).manhattanLength() >=
      QApplication::startDragDistance())
    return;
  RecordChange();
  const QPoint p = BitmapPoint(Img0, drawingReleasePos_.x(), drawingReleasePos_.y());
  const QRgb target = DrawCanvas.Pixel(p.x(), p.y());
  DrawCanvas.SetBrushColor(DrawColor);  // solid again after a pen press left it clear
  DrawCanvas.FloodFill(p.x(), p.y(), target);
  ShowCanvasWork(DrawCanvas, Img0);
  SetMoveBase();
}

// "Free", "直線", "四角", "円": the figure a drag on the drawing draws.
void TForm3::RBtn0to3Click(QObject* sender) {
  FocusSink();
  ShapeKind = static_cast<EditorShape>(LastDigit(sender));
}

// "Pen" draws figures, "Brush" fills at a click.
void TForm3::RBtn4Or5Click(QObject* sender) {
  FocusSink();
  UsePen = LastDigit(sender) != 4;
  LBL9->setText(UsePen ? QStringLiteral("Penの太さ、色") : QStringLiteral("Brushの色"));
  // The figure, width and colour are kept while hidden.
  for (QWidget* control : {static_cast<QWidget*>(LBL8), static_cast<QWidget*>(Btn09),
                           static_cast<QWidget*>(Btn10), static_cast<QWidget*>(GroupBox1)})
    control->setVisible(UsePen);
}

// "↓" and "↑" beside the pen width: a thinner or thicker pen (1 to 6).
void TForm3::Btn9Or10Click(QObject* sender) {
  FocusSink();
  const bool up = LastDigit(sender) == 0;
  LBL8->setText(StepNumberText(LBL8->text(), up, 1, kMinPenWidth, kMaxPenWidth));
  PenWidth = static_cast<quint8>(LabelInteger(LBL8));
}

// The black and white colour boxes: draw in black, or in white.
void TForm3::ColEdtClick(QObject* sender) {
  FocusSink();
  // The boxes are swatches: the colour is their background.
  if (const auto* box = qobject_cast<const QLineEdit*>(sender))
    DrawColor = box->palette().color(QPalette::Base).rgb();
}

}  // namespace scoreink

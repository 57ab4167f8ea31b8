// The drawing tools: pen figures dragged on the drawing (free line, straight line, rectangle,
// ellipse), the fill, and the choice of tool, pen width and colour.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editing/surface_rules.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/sender_digits.h"
#include "platform/work_files.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

namespace {

constexpr int kMinPenWidth = 1;
constexpr int kMaxPenWidth = 6;

enum Shape : quint8 { kFreeLine = 0, kStraightLine = 1, kRectangle = 2, kEllipse = 3 };

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
  DrawCanvas.SetPenMode(ShapeKind != kFreeLine && feedback ? PenMode::NotXor : PenMode::Copy);
  switch (ShapeKind) {
    case kFreeLine:
      DrawCanvas.LineTo(end.x(), end.y());
      break;
    case kStraightLine:
      DrawCanvas.MoveTo(start.x(), start.y());
      DrawCanvas.LineTo(end.x(), end.y());
      break;
    case kRectangle:
      DrawCanvas.Rectangle(start.x(), start.y(), end.x(), end.y());
      break;
    case kEllipse:
      DrawCanvas.Ellipse(start.x(), start.y(), end.x(), end.y());
      break;
    default:
      break;
  }
  ShowCanvasWork(DrawCanvas, Img0);
}

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

void TForm3::RBtn0to3Click(QObject* sender) {
  FocusSink();
  ShapeKind = static_cast<quint8>(LastDigit(sender));
}

void TForm3::RBtn4Or5Click(QObject* sender) {
  FocusSink();
  UsePen = LastDigit(sender) != 4;
  LBL9->setText(UsePen ? QStringLiteral("Penの太さ、色") : QStringLiteral("Brushの色"));
  // The figure, width and colour are kept while hidden.
  for (QWidget* control : {static_cast<QWidget*>(LBL8), static_cast<QWidget*>(Btn09),
                           static_cast<QWidget*>(Btn10), static_cast<QWidget*>(GroupBox1)})
    control->setVisible(UsePen);
}

void TForm3::Btn9Or10Click(QObject* sender) {
  FocusSink();
  const bool up = LastDigit(sender) == 0;
  LBL8->setText(StepNumberText(LBL8->text(), up, 1, kMinPenWidth, kMaxPenWidth));
  PenWidth = static_cast<quint8>(LabelInteger(LBL8));
}

void TForm3::ColEdtClick(QObject* sender) {
  FocusSink();
  // The boxes are swatches: the colour is their background.
  if (const auto* box = qobject_cast<const QLineEdit*>(sender))
    DrawColor = box->palette().color(QPalette::Base).rgb();
}

}  // namespace scoreink

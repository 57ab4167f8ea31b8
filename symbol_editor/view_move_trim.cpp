// The zoom of both areas, and moving and trimming the drawing.
#include <QLabel>
#include <span>

#include "platform/ui/busy_cursor.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/sender_digits.h"
#include "symbol_editor/core/move_base.h"
#include "symbol_editor/core/trim_edge.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

namespace {

constexpr int kMinZoom = 100;
constexpr int kMaxZoom = 800;
constexpr int kZoomStep = 100;

// What each button of a group does, by the last digit of its name.
struct EdgeStep {
  int digit;
  bool vertical;
  bool forward;  // moves: up or right; trims: cut the first edge (top or left)
};
// "Btn01" up, "Btn02" down, "Btn03" left, "Btn04" right.
constexpr EdgeStep kMoves[] = {
    {1, true, true}, {2, true, false}, {3, false, false}, {4, false, true}};
// The arrow of each trim button shows the way in which its edge moves: "Btn05" top,
// "Btn06" bottom, "Btn07" left, "Btn08" right.
constexpr EdgeStep kTrims[] = {
    {5, true, true}, {6, true, false}, {7, false, true}, {8, false, false}};

const EdgeStep* StepOf(std::span<const EdgeStep> steps, int digit) {
  for (const EdgeStep& step : steps)
    if (step.digit == digit) return &step;
  return nullptr;
}

}  // namespace

// "↓" and "↑" above an area: shows the drawing or the import smaller or larger.
void TForm3::BtnZoomUpDnClick(QObject* sender) {
  const int code = TrailingNumber(sender);  // "BtnZoomUpDn" + area + (0 out, 1 in)
  FocusSink();
  const int index = code >= 10 ? 1 : 0;
  const bool up = code % 10 != 0;
  auto* label = Control<QLabel>(QString("LBL%1").arg(index));
  label->setText(StepNumberText(label->text(), up, kZoomStep, kMinZoom, kMaxZoom));
  ApplyZoom(index);
}

// The arrows of the left cross: move the drawing by one pixel.
void TForm3::Btn1to4Click(QObject* sender) {
  const int d = LastDigit(sender);
  FocusSink();
  RecordChange();
  const BusyCursor busy;
  if (const EdgeStep* step = StepOf(kMoves, d)) ShiftImage(step->vertical, step->forward);
  ApplyZoom(0);
  // No new move base: consecutive moves add up against the same one.
}

void TForm3::ShiftImage(bool vertical, bool forward) {
  const QPoint offset =
      SteppedMoveOffset(QPoint(MoveDX, MoveDY), vertical, forward, Drawing().size());
  MoveDX = offset.x();
  MoveDY = offset.y();
  const QImage shifted = ShiftedFromBase(ImgTMP->Picture(), offset);
  if (!shifted.isNull()) Img0->SetPicture(shifted);
}

// The arrows of the right cross: cut one pixel off an edge of the drawing.
void TForm3::Btn5to8Click(QObject* sender) {
  const int d = LastDigit(sender);
  FocusSink();
  RecordChange();
  const BusyCursor busy;
  if (const EdgeStep* step = StepOf(kTrims, d))
    TrimImageEdge(Drawing(), step->vertical, step->forward, 1);
  DrawingChanged();
  ApplyZoom(0);
  SetMoveBase();
}

}  // namespace scoreink

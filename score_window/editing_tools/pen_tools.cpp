// Tool choice, pen width and colour, and the eraser repaint.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editing/pen_rules.h"
#include "editing/tool_modes.h"
#include "platform/files/work_files.h"
#include "platform/raster/palette.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/sender_digits.h"
#include "score_window/editing_tools/surface_edit.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

constexpr int kMinPenWidth = 1;
constexpr int kMaxPenWidth = 10;

void SetShown(bool shown, std::initializer_list<QWidget*> controls) {
  for (QWidget* control : controls) control->setVisible(shown);
}

// Moves the check of a group to `to` when `from` holds it; checking runs `to`'s handler.
void MoveCheck(QRadioButton* from, QRadioButton* to) {
  if (!from->isChecked()) return;
  UncheckButton(from);
  to->setChecked(true);
}

}  // namespace

// "FreeDraw", "直線", "TIE" and the region tools: chooses what a drag on the score does.
void TForm1::RBtnLMClick(QObject* sender) {
  const ScoreTool tool = ScoreToolOfButton(LastDigit(sender));
  FocusSink();  // a floating item is stamped under the tool that made it
  ToolMode = tool;
  if (IsRegionTool(tool)) {
    SetShown(false, {Label1, Label8, Btn5, Btn6, Edit1, Edit2, GroupBox2});
    PenColor = kBlack;
    LeftLimit = kRegionLeftLimit;
    return;
  }
  SetShown(true, {Label1, Label8, Btn5, Btn6});
  if (tool == ScoreTool::FreeDraw) {
    // The eraser stays chosen if it was.
    SetShown(true, {Edit1, Edit2});
    GroupBox2->hide();
  } else if (tool == ScoreTool::Line) {
    RBtnSB1->setText(QStringLiteral("縦一直線"));
    RBtnSB2->setText(QStringLiteral("横一直線"));
    // The line tool always starts as a free line.
    if (RBtnSB1->isChecked())
      MoveCheck(RBtnSB1, RBtnSB0);
    else
      MoveCheck(RBtnSB2, RBtnSB0);
    RBtnSB0->show();
  } else if (tool == ScoreTool::Tie) {
    RBtnSB1->setText(QStringLiteral("下弦"));
    RBtnSB2->setText(QStringLiteral("上弦"));
    // A tie has no free variant: the lower arc takes its place.
    MoveCheck(RBtnSB0, RBtnSB1);
    RBtnSB0->hide();
  }
  if (tool == ScoreTool::Line || tool == ScoreTool::Tie) {
    SetShown(true, {GroupBox2, Edit1});
    Edit2->hide();
    PenColor = kBlack;
  }
  PenWidth = LabelInteger(Label1);
  LeftLimit = LeftLimitFor(PenWidth);
}

// The line variants (free, vertical, horizontal) or the tie's arc (below, above).
void TForm1::RBtnSBClick(QObject* sender) {
  const LineVariant kind = LineVariantOfButton(LastDigit(sender));
  FocusSink();
  LineKind = kind;
}

// "↓" and "↑" beside the pen width: a thinner or thicker pen (1 to 10).
void TForm1::Btn5Or6Click(QObject* sender) {
  const bool up = LastDigit(sender) == 6;
  FocusSink();
  Label1->setText(StepNumberText(Label1->text(), up, 1, kMinPenWidth, kMaxPenWidth));
  PenWidth = LabelInteger(Label1);
  LeftLimit = LeftLimitFor(PenWidth);
}

// The black and white colour boxes: draw in black, or erase with white.
void TForm1::ColEdtClick(QObject* sender) {
  // The boxes are swatches: the colour is their background.
  if (const auto* box = qobject_cast<const QLineEdit*>(sender))
    PenColor = box->palette().color(QPalette::Base).rgb();
  FocusSink();
}

void TForm1::RestoreEraseBox(int x, int y) {
  if (!TemplateScore) return;  // elsewhere white strokes stay white paint
  const EraseBox box = Erased;
  const QRect rect = EraseRestoreRect(box, QPoint(x, y), PenWidth, Surface().size());
  Erased = {rect.x(), rect.x() + rect.width(), rect.y(), rect.y() + rect.height()};
  const SurfaceEdit edit(*Image1);
  edit.Show(scoreink::RestoreEraseBox(Surface(), box, QPoint(x, y), PenWidth, TemplateScore,
                                      ScoreBlankPage()));
}

void TForm1::ShowPenWidth(int width) {
  SetLabelInteger(Label1, width);
  PenWidth = width;
}

void TForm1::ResetPen() {
  ShowPenWidth(kStartPenWidth);
  LeftLimit = LeftLimitFor(kStartPenWidth);
}

}  // namespace scoreink

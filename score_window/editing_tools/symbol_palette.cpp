// The symbol palette: selection, the floating overlay and its drag, leaving symbol mode.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "editing/staff/symbol_fit_rules.h"
#include "editing/staff/symbol_scaling.h"
#include "editing/surface_rules.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/sender_digits.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {

// A symbol of the palette strip: the next clicks on the score place it.
void TForm1::ImgVClick(QObject* sender) {
  CommitPending();
  auto* symbol = qobject_cast<ImageControl*>(sender);
  // An empty custom slot has nothing to place.
  if (!symbol || !symbol->HasPicture()) return;

  // No tool is selected in symbol mode; unchecking runs no tool handler.
  UncheckAll(RBtnLMGroup);

  ImgXX->SetPicture(symbol->Picture());
  const bool custom = symbol->objectName().startsWith(QLatin1String("OPImg"));
  selectedNumber_ = custom ? 0 : TrailingNumber(symbol);
  selectedFit_ = custom ? CustomSymbolFit(symbol->Picture()) : BuiltInSymbolFit(selectedNumber_);
  BtnXX->show();
  ToolMode = ScoreTool::Symbol;

  // The pen and key-signature controls have no use while a symbol is selected; the pen width,
  // the left limit and the pen colour keep their values.
  for (QWidget* control :
       std::initializer_list<QWidget*>{Label1, Label6, Label7, Label8, Btn5, Btn6, Edit1, Edit2,
                                       GroupBox1, GroupBox2, ComboBox1})
    control->hide();
  Label9->show();
}

void TForm1::PlaceSymbolOverlay(int x, int y) {
  if (!ImgXX->HasPicture()) return;
  const QImage symbol = FloatingSymbol();
  // The right and bottom are left as they fall: the stamp is clipped to the score instead.
  QRect place =
      SymbolOverlayRect(QPoint(x, y), Image1->pos(), symbol.size(), ZoomPercent(), LeftLimit);
  // A fitted head, accidental or dot sits on the nearest place of the staff under it that it
  // may take.
  floatingAnchor_.reset();
  if (CheckBox1->isChecked() && selectedFit_.places != StaffPlaces::None) {
    const QRectF ink = BlackBounds(symbol);
    floatingAnchor_ = QPointF(ink.center().x(), ink.top() + selectedFit_.anchor * ink.height()) -
                      QPointF(0.5, 0.5);
    place.moveTop(std::max(Image1->y(), SnappedTop(place.topLeft())));
  }
  Image2->setGeometry(place);
  Image2->SetPicture(symbol);
  Image2->raise();
  Image2->show();
}

void TForm1::Image2MouseDown(Qt::MouseButton button, int, int) {
  // Pressing the overlay drags it; it does not stamp it.
  if (button == Qt::LeftButton) Dragging = true;
}

void TForm1::Image2MouseMove(int x, int y) {
  if (!Dragging) return;
  const QRect view = Image1->geometry();
  QPoint at = OverlayDragPosition(Image2->geometry(), QPoint(x, y), view);
  // A fitted symbol moves from place to place, within the same bounds as any drag.
  const int top = SnappedTop(at);
  at.setY(std::max(std::min(top, view.y() + view.height() - Image2->height()), view.y()));
  Image2->move(at);
}

void TForm1::Image2MouseUp(Qt::MouseButton button, int, int) {
  if (button == Qt::LeftButton) Dragging = false;
}

// "→選択解除": leaves symbol mode and brings the pen tools back.
void TForm1::BtnXXClick(QObject*) {
  FocusSink();
  ResetPen();
  LeavePaletteMode();
}

void TForm1::LeavePaletteMode() {
  Label9->hide();
  GroupBox1->show();
  ImgXX->ClearPicture();
  BtnXX->hide();
  // Checking it runs the tool handler for free draw, which shows the pen controls again.
  RBtnLM0->setChecked(true);
  if (TemplateScore) ShowKeySignatureControls(true);
}

}  // namespace scoreink

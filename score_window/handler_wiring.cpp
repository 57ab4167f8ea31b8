// Connects the controls of the score window to its handlers: the click handlers of the
// control table, the score view's mouse handlers, the focus sink's enter handler and the
// clicks on backgrounds, which Qt does not report as clicks by itself.
#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QScrollArea>

#include "platform/ui/image_control.h"
#include "score_window/click_filter.h"
#include "score_window/controls_layout.h"
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::WireHandlers() {
  for (const ControlSpec& row : ScoreWindowControls()) {
    if (!row.click) continue;
    QWidget* control = Control(QString::fromUtf8(row.name));
    const ClickHandler handler = row.click;
    auto run = [this, control, handler] { (this->*handler)(control); };
    switch (row.kind) {
      case ControlKind::Button:
        connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked, this, run);
        break;
      case ControlKind::RadioButton:
        // Checking a radio button, by the user or from code, runs its handler; unchecking
        // does not.
        connect(static_cast<QAbstractButton*>(control), &QAbstractButton::toggled, this,
                [run](bool checked) {
                  if (checked) run();
                });
        break;
      case ControlKind::ComboBox:
        // A choice by the user; setting the index from code is no change.
        connect(static_cast<QComboBox*>(control), &QComboBox::activated, this, run);
        break;
      case ControlKind::Image:
        connect(static_cast<ImageControl*>(control), &ImageControl::Clicked, this, run);
        break;
      case ControlKind::EditBox:
        new ClickFilter(control, ClickFilter::Area::Anywhere, run);
        break;
      case ControlKind::Panel:
        control->setAttribute(Qt::WA_NoMousePropagation);
        new ClickFilter(control, ClickFilter::Area::BackgroundOnly, run);
        break;
      case ControlKind::ScrollBox: {
        auto* box = static_cast<QScrollArea*>(control);
        box->setAttribute(Qt::WA_NoMousePropagation);
        new ClickFilter(box->viewport(), ClickFilter::Area::BackgroundOnly, run);
        new ClickFilter(box->widget(), ClickFilter::Area::BackgroundOnly, run);
        break;
      }
      case ControlKind::Label:
      case ControlKind::GroupBox:
        break;
    }
  }
  // The palette strip keeps its clicks to itself, whether or not they hit a symbol.
  Panel2->setAttribute(Qt::WA_NoMousePropagation);

  // The panel's double click is bound and does nothing.
  Panel1->findChild<ClickFilter*>(QString(), Qt::FindDirectChildrenOnly)->SetOnDoubleClick([this] {
    Panel1DblClick(Panel1);
  });

  connect(Image1, &ImageControl::MouseDown, this, &TForm1::Image1MouseDown);
  connect(Image1, &ImageControl::MouseMove, this, &TForm1::Image1MouseMove);
  connect(Image1, &ImageControl::MouseUp, this, &TForm1::Image1MouseUp);
  connect(Image2, &ImageControl::MouseDown, this, &TForm1::Image2MouseDown);
  connect(Image2, &ImageControl::MouseMove, this, &TForm1::Image2MouseMove);
  connect(Image2, &ImageControl::MouseUp, this, &TForm1::Image2MouseUp);

  Edit0->installEventFilter(this);
  Image1->installEventFilter(this);
  Image2->installEventFilter(this);
}

}  // namespace scoreink

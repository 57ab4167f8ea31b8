// Connects the controls of the score window to its handlers: the click handlers of the
// control table, the score view's mouse handlers, the focus sink's enter handler and the
// clicks on backgrounds, which Qt does not report as clicks by itself.
#include <QFrame>
#include <QLineEdit>

#include "platform/ui/click_filter.h"
#include "platform/ui/image_control.h"
#include "score_window/controls_layout.h"
#include "score_window/desktop_habits.h"
#include "score_window/tform1.h"

namespace scoreink {

void TForm1::WireHandlers() {
  WireFormClicks<TForm1>(this, ScoreWindowControls());
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

  // Shortcuts, the wheel and middle button, file drops and the title.
  AddDesktopHabits(*this);
}

}  // namespace scoreink

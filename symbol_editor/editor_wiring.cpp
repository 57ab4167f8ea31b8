// Connects the symbol editor's controls to its handlers: the click handlers of the control
// table and the mouse handlers of the drawing and the import area.
#include <QScrollArea>

#include "platform/ui/image_control.h"
#include "symbol_editor/editor_controls.h"
#include "symbol_editor/editor_habits.h"
#include "symbol_editor/tform3.h"

namespace scoreink {

void TForm3::WireHandlers() {
  WireFormClicks<TForm3>(this, SymbolEditorControls());

  // The fill takes its point from the click itself, which the image control reports after
  // the release; the press is kept too, since a drag is no click.
  connect(Img0, &ImageControl::MouseDown, this, [this](Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton) drawingPressPos_ = {x, y};
    Img0MouseDown(button, x, y);
  });
  connect(Img0, &ImageControl::MouseMove, this, &TForm3::Img0MouseMove);
  connect(Img0, &ImageControl::MouseUp, this, [this](Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton) drawingReleasePos_ = {x, y};
    Img0MouseUp(button, x, y);
  });
  connect(Img1, &ImageControl::MouseDown, this, &TForm3::Img1MouseDown);
  connect(Img1, &ImageControl::MouseMove, this, &TForm3::Img1MouseMove);
  connect(Img1, &ImageControl::MouseUp, this, &TForm3::Img1MouseUp);

  Img1->installEventFilter(this);
  FitImportContent();

  // Shortcuts, the wheel and the middle button.
  AddEditorHabits(*this);
}

}  // namespace scoreink

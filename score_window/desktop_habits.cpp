#include "score_window/desktop_habits.h"

#include <QPushButton>
#include <QScrollArea>

#include "platform/ui/image_control.h"
#include "platform/ui/press_button.h"
#include "platform/ui/wheel_pan.h"
#include "score_window/tform1.h"

namespace scoreink {

void AddDesktopHabits(TForm1& window) {
  AddScoreShortcuts(window);
  // The zoom buttons' steps, the point under the pointer kept.
  auto* zoomIn = window.Control<QPushButton>("Btn10");
  auto* zoomOut = window.Control<QPushButton>("Btn9");
  new WheelPan(window.Control<QScrollArea>("ScrollBox1"), window.Control<ImageControl>("Image1"),
               [=](bool in) { return PressButton(in ? zoomIn : zoomOut); });
  AcceptScoreFileDrops(window);
  KeepScoreWindowTitle(window);
}

}  // namespace scoreink

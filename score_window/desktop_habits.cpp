#include "score_window/desktop_habits.h"

#include <QPushButton>

#include "platform/ui/image_control.h"
#include "platform/ui/press_button.h"
#include "platform/ui/wheel_pan.h"
#include "score_window/tform1.h"

namespace scoreink {

void AddDesktopHabits(TForm1& window) {
  AddScoreShortcuts(window);
  // The zoom buttons' steps, the point under the pointer kept.
  new WheelPan(window.ScrollBox1, window.Image1,
               [&window](bool zoomIn) { return PressButton(zoomIn ? window.Btn10 : window.Btn9); });
  AcceptScoreFileDrops(window);
  KeepScoreWindowTitle(window);
}

}  // namespace scoreink

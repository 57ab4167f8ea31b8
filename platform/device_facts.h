#pragma once
// Screen and printer facts that size the window and the blank page. Read once at start-up and
// again for each new score, never per stroke (asking for the default printer can be slow).
#include <QRect>

namespace scoreink {

struct ScreenFacts {
  QRect workArea{0, 0, 1280, 1024};  // desktop work area in pixels
  int dpiX = 96;                     // pixels per inch, rounded
  int dpiY = 96;
};

struct PrinterFacts {
  bool present = false;  // a default printer exists
  int dpiX = 0;
  int dpiY = 0;
  int offsetX = 0;  // unprintable left margin in printer pixels
  int offsetY = 0;  // unprintable top margin in printer pixels
};

struct DeviceFacts {
  ScreenFacts screen;
  PrinterFacts printer;
};

}  // namespace scoreink

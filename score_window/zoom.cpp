// The zoom of the score view: "Label3" holds the percent; "Image1" stretches the score
// bitmap to it, which is never resampled.
#include <QLabel>
#include <algorithm>

#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "platform/ui/sender_digits.h"
#include "score_window/tform1.h"

namespace scoreink {

namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 800;

// Zoomed size of one side; a picture too large for a widget at this zoom is cut to the
// largest size a widget can have rather than overflowing.
int ZoomedSide(int side, int zoom) {
  const qint64 zoomed = qint64(side) * zoom / 100;
  return int(std::clamp<qint64>(zoomed, 0, QWIDGETSIZE_MAX));
}

}  // namespace

int TForm1::ZoomPercent() const {
  return LabelInteger(Label3);
}

void TForm1::ApplyScoreZoom() {
  const int zoom = ZoomPercent();
  const QImage& score = Image1->Picture();
  Image1->resize(ZoomedSide(score.width(), zoom), ZoomedSide(score.height(), zoom));
  // At once, not at the resize event: a window not shown yet receives that only later.
  FitScrollContent();
}

// "↓" and "↑" beside the zoom: shows the score smaller or larger.
void TForm1::Btn9Or10Click(QObject* sender) {
  const bool zoomIn = LastDigit(sender) == 0;
  FocusSink();
  int zoom = ZoomPercent();
  // Steps of 10 below 100 percent, of 100 above it.
  if (zoomIn) {
    if (zoom < kMaxZoom) zoom += zoom < 100 ? 10 : 100;
  } else {
    if (zoom > kMinZoom) zoom -= zoom <= 100 ? 10 : 100;
  }
  SetLabelInteger(Label3, zoom);
  ApplyScoreZoom();
}

}  // namespace scoreink

#pragma once
// Helpers for the palette tests: choosing and placing a symbol as the user does, committing
// it, and finding where a symbol's black pixels landed.
#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QRegion>

#include "harness/score_window_harness.h"
#include "platform/raster/palette.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {

// Selects the palette image `name` and clicks the score at a control point of Image1, which
// floats the symbol there.
inline void PlaceSymbol(ScoreWindowHarness& ui, const QString& name, QPoint at) {
  ui.Click(name);
  ui.PressOnScore(at);
  ui.ReleaseOnScore(at);
}

// A click on the tool panel's background: stamps what floats and does nothing else.
inline void CommitByPanelClick(ScoreWindowHarness& ui) {
  ui.ClickAt("Panel1", QPoint(100, 130));
}

inline bool IsBlack(const QImage& image, int x, int y) {
  return (PixelColor(image, x, y) & 0xFFFFFFu) == 0;
}

// The surface after stamping symbol's black pixels at `at` onto before (clipped): what a
// correct stamp gives.
inline QImage Stamped(QImage before, const QImage& symbol, QPoint at) {
  for (int i = 0; i < symbol.height(); ++i)
    for (int j = 0; j < symbol.width(); ++j)
      if (IsBlack(symbol, j, i) && before.rect().contains(at.x() + j, at.y() + i))
        before.setPixel(at.x() + j, at.y() + i, uint(kBlackIndex));
  return before;
}

// Collects what a widget is asked to repaint.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
  ~PaintRecorder() override { widget_->removeEventFilter(this); }
  QRegion painted;
  void Flush() { QCoreApplication::processEvents(); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }

 private:
  QWidget* widget_;
};

}  // namespace scoreink::test

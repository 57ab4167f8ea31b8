#include "bench/score_session.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <numbers>

#include "platform/history/edit_history.h"
#include "platform/history/recovery_log.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "platform/ui/control_values.h"
#include "platform/ui/image_control.h"
#include "score_window/shared_values.h"

namespace scoreink::bench {

const char* SceneName(int scene) {
  return scene == kBlankPage ? "blank page 770x1101" : "scan 4960x7016 opened as a score";
}

ScoreSession::ScoreSession(int scene) {
  ok_ = window_.started() && (scene != kScan || OpenScan());
  if (ok_) {
    undo_ = window_->Control<QPushButton>("Btn7");
    redo_ = window_->Control<QPushButton>("Btn8");
  }
}

bool ScoreSession::OpenScan() {
  {
    PictureResult loaded = LoadPicture(A4ScanJpeg().path);
    if (!loaded.ok()) return false;
    SetPixelFormat(loaded.image, PixelFormat::Bits8);
    window_->Control<ImageControl>("Image1")->SetPicture(loaded.image);
  }
  TemplateScore = false;
  SetLabelInteger(window_->Control<QLabel>("Label3"), 100);
  window_->ApplyScoreZoom();
  SharedHistory().ResetHistory(true);
  SharedHistory().Adopt(window_->Surface());  // as the score file dialog's OK does
  // A user's first press comes after the recovery log has written its base (half a second):
  // until then the first change copies the picture once, which is not what is measured here.
  if (RecoveryLog* log = SharedHistory().Recovery()) log->WaitForBase();
  return window_->Surface().isDetached() &&
         window_->Surface().size() == QSize(ScanJpeg::kWidth, ScanJpeg::kHeight);
}

void ScoreSession::Stroke(const std::vector<QPoint>& points) {
  window_->Image1MouseDown(Qt::LeftButton, points.front().x(), points.front().y());
  for (size_t i = 1; i < points.size(); ++i) window_->Image1MouseMove(points[i].x(), points[i].y());
  window_->Image1MouseUp(Qt::LeftButton, points.back().x(), points.back().y());
}

bool ScoreSession::Undo() {
  const int before = HistoryPos();
  window_->Btn7Click(undo_);
  return HistoryPos() == before - 1 && Ok();
}

bool ScoreSession::Redo() {
  const int before = HistoryPos();
  window_->Btn8Click(redo_);
  return HistoryPos() == before + 1 && Ok();
}

std::vector<QPoint> HandStroke(QPoint from, int moves, int length) {
  std::vector<QPoint> points;
  const double dx = 0.6, dy = 0.8;  // along the stroke; (dy, -dx) is across it
  for (int i = 0; i <= moves; ++i) {
    const double along = double(length) * i / moves;
    const double across = 20 * std::sin(3 * 2 * std::numbers::pi * i / moves);
    points.emplace_back(from.x() + int(std::lround(along * dx + across * dy)),
                        from.y() + int(std::lround(along * dy - across * dx)));
  }
  return points;
}

}  // namespace scoreink::bench

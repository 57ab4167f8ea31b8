#pragma once
// A score window in one of the two scenes that the editing benchmarks compare side by side,
// and the gestures they make on it through the window's own handlers.
#include <QPoint>
#include <vector>

#include "bench/bench_support.h"
#include "score_window/tform1.h"

namespace scoreink::bench {

enum Scene { kBlankPage = 0, kScan = 1 };

// "blank page 770x1101" or "scan 4960x7016 opened as a score".
const char* SceneName(int scene);

// A started score window (96-dpi screen, no printer) showing at 100 percent, with an empty
// history, either the blank page it starts with or the 600-dpi A4 scan (A4ScanJpeg) opened
// as the score file dialog opens a picture: decoded, brought to 8 bits with the fixed
// palette, made the score (the window keeps the only copy), not a template score. At 100
// percent a control point of the score is the same pixel of the picture.
class ScoreSession {
 public:
  explicit ScoreSession(int scene);

  // Started, and no message box has come up since.
  bool Ok() const { return ok_ && window_.boxes() == 0; }
  TForm1& operator*() { return *window_; }
  TForm1* operator->() { return &*window_; }
  QString File(const QString& name) const { return window_.File(name); }

  // A free-draw gesture along the points: a left press on the first, a move to each of the
  // others and the release on the last.
  void Stroke(const std::vector<QPoint>& points);
  // The undo and redo buttons; true when the history position moved by one, as asked.
  bool Undo();
  bool Redo();

 private:
  bool OpenScan();

  BenchWindow window_;
  QPushButton* undo_ = nullptr;
  QPushButton* redo_ = nullptr;
  bool ok_ = false;
};

// The pointer positions that one second of free-hand writing gives the window: moves
// points after the press, along a wavy line whose ends lie length pixels apart (down and to
// the right, 3 to 4), starting at from.
std::vector<QPoint> HandStroke(QPoint from, int moves, int length);

}  // namespace scoreink::bench

// Editing through the score window on the blank page and on an A4 scan at 600 dpi opened as
// a score: a whole press (commit, snapshot, first segment), a free-draw drag and an undo,
// each beside a plain write (and read) of as many bytes as the snapshot holds.
//
// Goals: a press costs at most 1.5 times the plain write of its snapshot; a drag segment on
// the scan at most 1.5 times the same segment on the blank page; drawing on the scan needs
// no more memory than the page plus one snapshot's buffers (BM_SessionPeakMemory, measured
// in a child process: the growth of the peak resident size from the opened scan through
// press, drag, release and undo).
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "platform/edit_history.h"
#include "platform/executable_folder.h"
#include "platform/palette.h"
#include "platform/picture_io.h"
#include "platform/pixel_format.h"
#include "platform/ui/control_values.h"
#include "platform/ui/device_facts_reader.h"
#include "platform/ui/image_control.h"
#include "platform/ui/message_box.h"
#include "score_window/shared_values.h"
#include "score_window/tform1.h"

namespace scoreink {
namespace {

enum Scene { kBlankPage = 0, kScan = 1 };

const char* SceneName(int scene) {
  return scene == kBlankPage ? "blank page 770x1101" : "scan 4960x7016 opened as a score";
}

// A colour scan of a printed page as a JPEG file: off-white paper with grain, dark grey staff
// lines in groups of five, and a scattering of near-black ink. Written once per run.
const QString& ScanFile() {
  static QTemporaryDir dir;
  static QString path;
  if (!path.isEmpty()) return path;
  const int w = 4960, h = 7016;
  QImage scan(w, h, QImage::Format_RGB888);
  quint32 seed = 12345;
  for (int y = 0; y < h; ++y) {
    uchar* row = scan.scanLine(y);
    const bool staff = y % 40 < 5 && (y / 40) % 12 < 5;
    for (int x = 0; x < w; ++x, row += 3) {
      seed = seed * 1664525u + 1013904223u;
      int level = 236 + int(seed >> 28);
      if (staff && x > 200 && x < w - 200)
        level = 40 + int(seed >> 27);
      else if ((seed >> 18) == 5)
        level = 20;
      row[0] = uchar(level);
      row[1] = uchar(level);
      row[2] = uchar(std::min(255, level + 4));
    }
  }
  path = dir.filePath("scan.jpg");
  if (!SaveJpeg(scan, path).ok()) path.clear();
  return path;
}

// A started score window in its own executable folder (96-dpi screen, no printer) showing
// the scene's score at 100 percent with an empty history.
class EditingSession {
 public:
  explicit EditingSession(int scene) { ok_ = window_.started() && (scene != kScan || OpenScan()); }

  bool Ok() const { return ok_ && window_.boxes() == 0; }
  TForm1& Window() { return *window_; }

  // One left press, the first segment of a free-draw stroke, as the mouse gives them.
  void Press() {
    window_->Image1MouseDown(Qt::LeftButton, 400, 400);
    window_->Image1MouseMove(403, 402);
  }
  void Drag(int segments) {
    for (int i = 1; i <= segments; ++i) window_->Image1MouseMove(403 + 3 * i, 402 + (i % 7) * 4);
  }
  void Release() { window_->Image1MouseUp(Qt::LeftButton, 700, 430); }
  void Undo() { window_->Btn7Click(window_->Btn7); }
  void EmptyHistory() { SharedHistory().ResetHistory(true); }
  // Back to the first snapshot number with its file gone, as a plain write is measured: the
  // next press writes a new file into the existing work folder.
  void ForgetSnapshot() {
    QFile::remove(SharedHistory().SnapshotFile(1));
    SharedHistory().SetHistoryPos(1);
  }

  // Size in bytes of the snapshot the press writes.
  qint64 SnapshotBytes() {
    EmptyHistory();
    Press();
    Release();
    const qint64 size = QFileInfo(SharedHistory().SnapshotFile(1)).size();
    EmptyHistory();
    return size;
  }
  QString WorkFile(const char* name) const { return WorkFolder + "/" + name; }

 private:
  // What the score file dialog does with a picked file: load it, bring it to 8 bits with the
  // fixed palette, make it the score (the window keeps the only copy), not a template score.
  bool OpenScan() {
    if (ScanFile().isEmpty()) return false;
    {
      PictureResult loaded = LoadPicture(ScanFile());
      if (!loaded.ok()) return false;
      SetPixelFormat(loaded.image, PixelFormat::Bits8);
      window_->Image1->SetPicture(loaded.image);
    }
    TemplateScore = false;
    SetLabelInteger(window_->Label3, 100);
    window_->ApplyScoreZoom();
    SharedHistory().ResetHistory(true);
    return window_->Surface().isDetached();
  }

  bench::BenchWindow window_;
  bool ok_ = false;
};

// Args: scene. Commit, snapshot and first segment, as one press on the score costs.
void BM_SessionPress(benchmark::State& state) {
  EditingSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const qint64 bytes = session.SnapshotBytes();
  for (auto _ : state) {
    state.PauseTiming();
    session.ForgetSnapshot();
    state.ResumeTiming();
    session.Press();
    state.PauseTiming();
    session.Release();
    state.ResumeTiming();
  }
  if (!session.Ok()) state.SkipWithError("a message box came up");
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetLabel(SceneName(int(state.range(0))));
}
BENCHMARK(BM_SessionPress)->Arg(kBlankPage)->Arg(kScan)->Unit(benchmark::kMillisecond);

// Args: scene. One fwrite of a buffer as large as the press's snapshot, into a new file in
// the same work folder: what the press is measured against.
void BM_SessionPlainWrite(benchmark::State& state) {
  EditingSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const qint64 bytes = session.SnapshotBytes();
  const std::vector<char> buffer(size_t(bytes), char(0x5A));
  const QByteArray path = QFile::encodeName(session.WorkFile("plain.bin"));
  for (auto _ : state) {
    state.PauseTiming();
    std::remove(path.constData());
    state.ResumeTiming();
    FILE* file = std::fopen(path.constData(), "wb");
    if (!file || std::fwrite(buffer.data(), 1, buffer.size(), file) != buffer.size() ||
        std::fclose(file) != 0)
      return state.SkipWithError("cannot write the plain file");
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetLabel(SceneName(int(state.range(0))));
}
BENCHMARK(BM_SessionPlainWrite)->Arg(kBlankPage)->Arg(kScan)->Unit(benchmark::kMillisecond);

// Args: scene. A free-draw drag of 100 segments after the press; "segment" is the time of one.
void BM_SessionDrag100(benchmark::State& state) {
  EditingSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  for (auto _ : state) {
    state.PauseTiming();
    session.EmptyHistory();
    session.Press();
    state.ResumeTiming();
    session.Drag(100);
    state.PauseTiming();
    session.Release();
    state.ResumeTiming();
  }
  if (!session.Ok()) state.SkipWithError("a message box came up");
  state.counters["segment"] = benchmark::Counter(
      double(state.iterations()) * 100, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetLabel(SceneName(int(state.range(0))));
}
BENCHMARK(BM_SessionDrag100)->Arg(kBlankPage)->Arg(kScan)->Unit(benchmark::kMicrosecond);

// Args: scene. The undo button after one stroke: the snapshot is read back into the score.
void BM_SessionUndo(benchmark::State& state) {
  EditingSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const qint64 bytes = session.SnapshotBytes();
  for (auto _ : state) {
    state.PauseTiming();
    session.EmptyHistory();
    session.Press();
    session.Release();
    state.ResumeTiming();
    session.Undo();
  }
  if (!session.Ok() || HistoryPos() != 1) state.SkipWithError("the undo did not step back");
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetLabel(SceneName(int(state.range(0))));
}
BENCHMARK(BM_SessionUndo)->Arg(kBlankPage)->Arg(kScan)->Unit(benchmark::kMillisecond);

// Args: scene. One fread of a file as large as the snapshot, for the undo to be read against.
void BM_SessionPlainRead(benchmark::State& state) {
  EditingSession session(int(state.range(0)));
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const qint64 bytes = session.SnapshotBytes();
  std::vector<char> buffer(size_t(bytes), char(0x5A));
  const QByteArray path = QFile::encodeName(session.WorkFile("plain.bin"));
  FILE* out = std::fopen(path.constData(), "wb");
  if (!out || std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size() ||
      std::fclose(out) != 0)
    return state.SkipWithError("cannot write the plain file");
  for (auto _ : state) {
    FILE* file = std::fopen(path.constData(), "rb");
    if (!file || std::fread(buffer.data(), 1, buffer.size(), file) != buffer.size() ||
        std::fclose(file) != 0)
      return state.SkipWithError("cannot read the plain file");
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetLabel(SceneName(int(state.range(0))));
}
BENCHMARK(BM_SessionPlainRead)->Arg(kBlankPage)->Arg(kScan)->Unit(benchmark::kMillisecond);

// How far the peak resident size grew, and how much of the resident size at the end is
// program code and library pages: the child maps those afresh when it first runs them, they
// belong to the files, not to the edit.
struct Growth {
  qint64 peak = -1;
  qint64 codePages = 0;
};

// The scan opened as a score; in a child process the peak resident size is started afresh,
// then press, a 100-segment drag, release and undo run. Reports how far the peak grew over
// the resident size with the scan open, beside the size of the page and of the snapshot.
void BM_SessionPeakMemory(benchmark::State& state) {
  EditingSession session(kScan);
  if (!session.Ok()) return state.SkipWithError("the session did not start");
  const qint64 snapshot = session.SnapshotBytes();
  const qint64 surface = session.Window().Surface().sizeInBytes();
  Growth growth;
  for (auto _ : state) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return state.SkipWithError("no pipe");
    const pid_t child = fork();
    if (child == 0) {
      close(pipeEnds[0]);
      Growth result;
      if (bench::ResetPeakResident()) {
        const qint64 before = bench::StatusBytes("VmRSS:");
        const qint64 codeBefore = bench::StatusBytes("RssFile:");
        session.Press();
        session.Drag(100);
        session.Release();
        session.Undo();
        const qint64 peak = bench::StatusBytes("VmHWM:");
        const qint64 codeAfter = bench::StatusBytes("RssFile:");
        if (before >= 0 && peak >= 0 && codeBefore >= 0 && codeAfter >= 0 && HistoryPos() == 1)
          result = {peak - before, codeAfter - codeBefore};
      }
      const ssize_t written = write(pipeEnds[1], &result, sizeof result);
      _exit(written == sizeof result ? 0 : 1);
    }
    close(pipeEnds[1]);
    if (child < 0 || read(pipeEnds[0], &growth, sizeof growth) != sizeof growth) growth = {};
    close(pipeEnds[0]);
    if (child > 0) waitpid(child, nullptr, 0);
  }
  if (growth.peak < 0) return state.SkipWithError("the child could not measure its peak");
  const double mb = 1024.0 * 1024.0;
  state.counters["peak_growth_MB"] = double(growth.peak) / mb;
  state.counters["code_pages_MB"] = double(growth.codePages) / mb;
  state.counters["data_growth_MB"] = double(growth.peak - growth.codePages) / mb;
  state.counters["surface_MB"] = double(surface) / mb;
  state.counters["snapshot_MB"] = double(snapshot) / mb;
  state.SetLabel(SceneName(kScan));
}
BENCHMARK(BM_SessionPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scoreink

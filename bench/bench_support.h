#pragma once
// What several benchmarks share: the application object, a page like the ones measured, and
// a started score window in a folder of its own.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/device_facts_reader.h"
#include "platform/ui/message_box.h"
#include "score_window/tform1.h"

namespace scoreink::bench {

// Runs a program to its end and adds the processor time it used (user and system) to
// cpuSeconds; false when it cannot start or fails. For the programs that figures are compared
// with (djpeg, cjpeg).
bool RunProgram(std::vector<std::string> args, double& cpuSeconds);

// Processor time of the calling thread so far, and a steady wall clock, in seconds.
double ThreadCpuSeconds();
double WallSeconds();

// The machine is shared: besides the wall time, a benchmark reports the processor time of the
// work itself as cpu_ms, the same measure for this process and for the programs.
void ReportCpu(benchmark::State& state, double cpuSeconds);

// What this process has read and written through read and write calls so far (rchar and
// wchar of /proc/self/io), in bytes, -1 when unknown. Bytes that the page cache has not handed
// to the disk yet count too: they are what an operation asked the system to write.
struct IoBytes {
  qint64 read = -1;
  qint64 written = -1;
};
IoBytes ProcessIo();

// Total size of the files in a folder and its subfolders; 0 when it is missing.
qint64 FolderBytes(const QString& folder);

// Anchors for the picture and history files: the least any routine can do to move that many
// bytes. PlainWrite writes size bytes from one reused megabyte into a new file that then takes
// path's place, the way the program writes its files (WriteReplacingFile); PlainRead reads
// size bytes of path into new picture memory of the kind the picture loaders fill
// (NewPictureMemory). False when the file cannot be written or read.
bool PlainWrite(const QString& path, qint64 size);
bool PlainRead(const QString& path, qint64 size);

// Measures operations one at a time, for benchmarks with UseManualTime: the wall time of
// each becomes the iteration's time, and its processor time and the bytes the process read
// and wrote meanwhile are added up for Report (cpu_ms, read_kB and written_kB per
// iteration). What runs between the operations is not counted.
class OpMeter {
 public:
  explicit OpMeter(benchmark::State& state) : state_(state) {}
  template <class Op>
  void Time(Op&& op) {
    Start();
    op();
    Stop();
  }
  void Report();
  // The wall time of all operations so far, and what the last one read and wrote.
  double Seconds() const { return seconds_; }
  IoBytes Last() const { return last_; }

 private:
  void Start();
  void Stop();
  benchmark::State& state_;
  IoBytes before_;
  IoBytes last_;
  double seconds_ = 0;
  double cpuBefore_ = 0;
  double wallBefore_ = 0;
  double cpu_ = 0;
  qint64 read_ = 0;
  qint64 written_ = 0;
};

// Times the anchor of each operation right after the operation, in the same state of the page
// cache and of the machine, and reports the anchors beside the operations: plain_ms (an
// anchor's time per iteration) and x_plain (the operations' time over the anchors').
class AnchorMeter {
 public:
  explicit AnchorMeter(benchmark::State& state) : state_(state) {}
  // plain returns false when it failed.
  template <class Plain>
  bool Time(Plain&& plain) {
    const double start = WallSeconds();
    const bool done = plain();
    seconds_ += WallSeconds() - start;
    return done;
  }
  void Report(double operationSeconds);

 private:
  benchmark::State& state_;
  double seconds_ = 0;
};

// A "Name:   123 kB" line of /proc/self/status ("VmRSS:", "VmHWM:"), in bytes; -1 when missing.
qint64 StatusBytes(const char* name);
// Starts the peak resident size ("VmHWM:") afresh at the present size; false where Linux cannot.
bool ResetPeakResident();

// A QApplication for the benchmarks that need widgets (offscreen unless told otherwise).
void EnsureApplication();

// Paper with grey grain (when grain), staff lines in groups of five and a scattering of ink,
// 8 bits with the fixed palette: a scan once opened as a score, or the blank page's size.
QImage PaperPage8(int width, int height, bool grain);

// An A4 page at 600 dpi (4960 x 7016, PaperPage8 with grain) saved as a JPEG, once for the
// whole run, alone in a folder of its own: the scan that the file dialogs' benchmarks open.
struct ScanJpeg {
  static constexpr int kWidth = 4960;
  static constexpr int kHeight = 7016;
  QString folder;
  QString path;
};
const ScanJpeg& A4ScanJpeg();

// A started score window in a temporary executable folder, with the given screen and printer
// (by default a 96-dpi screen of 1280 x 1024 and no printer). Message boxes are answered OK
// and counted: a benchmark that meets one has measured a failure.
class BenchWindow {
 public:
  explicit BenchWindow(DeviceFacts facts = {});
  ~BenchWindow();
  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  TForm1& operator*() { return *window_; }
  TForm1* operator->() { return window_.get(); }
  bool started() const { return started_; }
  int boxes() const { return boxes_; }
  QString File(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<TForm1> window_;
  bool started_ = false;
  int boxes_ = 0;
  MessageBoxHandler previousBox_;
  DeviceFactsProvider previousFacts_;
};

}  // namespace scoreink::bench

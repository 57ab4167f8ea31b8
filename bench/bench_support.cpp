#include "bench/bench_support.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/files/device_write.h"
#include "platform/files/executable_folder.h"
#include "platform/picture_files/picture_io.h"
#include "platform/picture_files/replacing_file_write.h"
#include "platform/raster/palette.h"
#include "platform/raster/picture_buffer.h"

extern char** environ;

namespace scoreink::bench {

bool RunProgram(std::vector<std::string> args, double& cpuSeconds) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  rusage usage = {};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  cpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double ThreadCpuSeconds() {
  timespec t = {};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void ReportCpu(benchmark::State& state, double cpuSeconds) {
  state.counters["cpu_ms"] =
      benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "scoreink_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  KeepLargePicturesOutOfTheHeap();  // as the program does
  // Never destroyed: at the end of the run Qt's own globals go first, and the application's
  // clean-up routines would then reach into them (a crash after the file dialogs have run).
  new QApplication(argc, argv);
}

QImage PaperPage8(int width, int height, bool grain) {
  QImage page(width, height, QImage::Format_Indexed8);
  page.setColorTable(FixedPalette());
  quint32 seed = 99;
  for (int y = 0; y < height; ++y) {
    uchar* row = page.scanLine(y);
    const bool staff = y % 20 == 0 && (y / 20) % 9 < 5;
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      uchar index = kWhiteIndex;
      if (staff)
        index = uchar(TemplateInkIndex());
      else if (grain && (seed >> 24) < 24)
        index = PaletteIndexFor(int(seed >> 8 & 31) + 215, 230, 228);
      else if ((seed >> 20) == 7)
        index = kBlackIndex;
      row[x] = index;
    }
  }
  return page;
}

const ScanJpeg& A4ScanJpeg() {
  static QTemporaryDir dir;
  static const ScanJpeg scan = [] {
    ScanJpeg made{dir.path(), dir.filePath(QStringLiteral("scan.jpg"))};
    SaveJpeg(PaperPage8(ScanJpeg::kWidth, ScanJpeg::kHeight, true), made.path);
    return made;
  }();
  return scan;
}

BenchWindow::BenchWindow(DeviceFacts facts) {
  EnsureApplication();
  SetExecutableFolderOverride(dir_.path() + "/");
  previousFacts_ = SetDeviceFactsProvider([facts] { return facts; });
  previousBox_ = SetMessageBoxHandler([this](const QString&, const QString&, MsgButtons) {
    ++boxes_;
    return kIdOk;
  });
  window_ = std::make_unique<TForm1>();
  started_ = window_->FormCreate();
}

BenchWindow::~BenchWindow() {
  window_.reset();
  SetMessageBoxHandler(previousBox_);
  SetDeviceFactsProvider(previousFacts_);
  SetExecutableFolderOverride(QString());
}

IoBytes ProcessIo() {
  IoBytes io;
  QFile file("/proc/self/io");
  if (!file.open(QIODevice::ReadOnly)) return io;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.startsWith("rchar:")) io.read = line.mid(6).trimmed().toLongLong();
    if (line.startsWith("wchar:")) io.written = line.mid(6).trimmed().toLongLong();
  }
  return io;
}

qint64 FolderBytes(const QString& folder) {
  qint64 bytes = 0;
  QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) bytes += QFileInfo(files.next()).size();
  return bytes;
}

bool PlainWrite(const QString& path, qint64 size) {
  static const std::vector<char> chunk(size_t(1) << 20, char(0x5A));
  return WriteReplacingFile(
             path,
             [size](QIODevice& out) {
               for (qint64 left = size; left > 0; left -= qint64(chunk.size())) {
                 if (!WriteFully(out, chunk.data(), std::min(left, qint64(chunk.size()))))
                   return QStringLiteral("write failed");
               }
               return QString();
             })
      .isEmpty();
}

bool PlainRead(const QString& path, qint64 size) {
  constexpr int kRow = 1 << 16;
  QImage memory = NewPictureMemory(kRow, int(std::max<qint64>(1, (size + kRow - 1) / kRow)),
                                   QImage::Format_Grayscale8);
  QFile file(path);
  if (memory.isNull() || !file.open(QIODevice::ReadOnly)) return false;
  const bool read = file.read(reinterpret_cast<char*>(memory.bits()), size) == size;
  benchmark::DoNotOptimize(memory.constBits());
  return read;
}

void AnchorMeter::Report(double operationSeconds) {
  state_.counters["plain_ms"] =
      benchmark::Counter(seconds_ * 1e3, benchmark::Counter::kAvgIterations);
  if (seconds_ > 0) state_.counters["x_plain"] = operationSeconds / seconds_;
}

void OpMeter::Start() {
  before_ = ProcessIo();
  cpuBefore_ = ThreadCpuSeconds();
  wallBefore_ = WallSeconds();
}

void OpMeter::Stop() {
  const double wall = WallSeconds() - wallBefore_;
  cpu_ += ThreadCpuSeconds() - cpuBefore_;
  const IoBytes after = ProcessIo();
  last_ = {after.read - before_.read, after.written - before_.written};
  read_ += last_.read;
  written_ += last_.written;
  seconds_ += wall;
  state_.SetIterationTime(wall);
}

void OpMeter::Report() {
  ReportCpu(state_, cpu_);
  state_.counters["read_kB"] =
      benchmark::Counter(double(read_) / 1024, benchmark::Counter::kAvgIterations);
  state_.counters["written_kB"] =
      benchmark::Counter(double(written_) / 1024, benchmark::Counter::kAvgIterations);
}

qint64 StatusBytes(const char* name) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (!line.startsWith(name)) continue;
    return line.mid(int(qstrlen(name))).trimmed().split(' ').front().toLongLong() * 1024;
  }
  return -1;
}

bool ResetPeakResident() {
  FILE* file = std::fopen("/proc/self/clear_refs", "w");
  if (!file) return false;
  const bool ok = std::fputs("5", file) >= 0;
  return std::fclose(file) == 0 && ok;
}

}  // namespace scoreink::bench

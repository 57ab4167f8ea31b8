#include "bench/bench_support.h"

#include <QApplication>

#include "platform/executable_folder.h"
#include "platform/palette.h"

namespace scoreink::bench {

void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "scoreink_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
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

BenchWindow::BenchWindow() {
  EnsureApplication();
  SetExecutableFolderOverride(dir_.path() + "/");
  previousFacts_ = SetDeviceFactsProvider([] {
    DeviceFacts facts;
    facts.screen.workArea = QRect(0, 0, 1280, 1024);
    facts.screen.dpiX = facts.screen.dpiY = 96;
    return facts;
  });
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

}  // namespace scoreink::bench

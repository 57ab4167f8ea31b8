#include "harness/long_reads.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProgressBar>
#include <QTest>

#include "platform/picture_files/bmp_header.h"
#include "platform/ui/read_progress.h"

namespace scoreink::test {

void WriteSparseBmp(const QString& path, int width, int height) {
  const qint64 stride = (qint64(width) * 3 + 3) / 4 * 4;
  uchar header[kBmpFileHeaderSize + kBmpInfoHeaderSize] = {};
  header[0] = 'B';
  header[1] = 'M';
  WriteLe32(header + 2, quint32(sizeof header + stride * height));
  WriteLe32(header + 10, sizeof header);
  WriteLe32(header + 14, kBmpInfoHeaderSize);
  WriteLe32(header + 18, quint32(width));
  WriteLe32(header + 22, quint32(height));
  WriteLe16(header + 26, 1);
  WriteLe16(header + 28, 24);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(reinterpret_cast<const char*>(header), sizeof header),
            qint64(sizeof header));
  ASSERT_TRUE(file.resize(qint64(sizeof header) + stride * height));
}

StopWhenProgressShows::StopWhenProgressShows(QWidget* dialog, QWidget* repainted,
                                             std::function<void()> whileReading)
    : dialog_(dialog), repainted_(repainted), whileReading_(std::move(whileReading)) {
  SetReadProgressDelay(std::chrono::milliseconds(0));
  if (repainted_) repainted_->installEventFilter(this);
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  timer_.start();
}

StopWhenProgressShows::~StopWhenProgressShows() {
  SetReadProgressDelay(std::chrono::milliseconds(500));
  if (repainted_) repainted_->removeEventFilter(this);
}

bool StopWhenProgressShows::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint && sawProgress_) ++paintsSinceProgress_;
  return false;
}

void StopWhenProgressShows::Tick() {
  if (pressed_ || !dialog_) return;
  auto* bar = dialog_->findChild<QProgressBar*>(QString::fromLatin1(kReadProgressName));
  if (!bar || !bar->isVisible()) return;
  // The repaint is asked for and done at once, and Esc follows straight away: a fast reader
  // would otherwise be over before a later tick.
  sawProgress_ = true;
  if (whileReading_) whileReading_();
  if (repainted_) repainted_->repaint();
  pressed_ = true;
  QTest::keyClick(dialog_, Qt::Key_Escape);
}

}  // namespace scoreink::test

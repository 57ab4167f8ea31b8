#pragma once
// Helpers for the tests of the score documents: an edit that the history counts, reading
// saved files back, and a small file system of its own for the failure cases.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "harness/score_window_harness.h"
#include "platform/edit_history.h"
#include "platform/palette.h"
#include "platform/ui/image_control.h"

namespace scoreink::test {

// One edit as the user makes it: a short black pen stroke on the score, recorded in the
// history by its press.
inline void EditOnce(ScoreWindowHarness& ui, int row = 400) {
  ui.DragOnScore({200, row}, {260, row});
}

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline quint32 LittleEndian(const QByteArray& bytes, int at, int size) {
  quint32 value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | uchar(bytes[at + i]);
  return value;
}

// The first start-of-frame marker of a JPEG file and its number of components.
struct JpegFrame {
  int marker = 0;
  int components = 0;
};
inline JpegFrame FirstFrame(const QByteArray& jpeg) {
  for (int i = 2; i + 9 < jpeg.size();) {
    if (uchar(jpeg[i]) != 0xFF) return {};
    const int marker = uchar(jpeg[i + 1]);
    const int length = uchar(jpeg[i + 2]) << 8 | uchar(jpeg[i + 3]);
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      return {marker, uchar(jpeg[i + 9])};
    i += 2 + length;
  }
  return {};
}

// A folder on a tmpfs of its own, mounted for one test (needs root; mounted() says).
class ScratchMount {
 public:
  explicit ScratchMount(const char* options) {
    if (!dir_.isValid()) return;
    mounted_ = ::mount("scoreink-test", Local().constData(), "tmpfs", 0, options) == 0;
  }
  ~ScratchMount() {
    if (mounted_) ::umount2(Local().constData(), MNT_DETACH);
  }
  ScratchMount(const ScratchMount&) = delete;
  ScratchMount& operator=(const ScratchMount&) = delete;
  bool mounted() const { return mounted_; }
  QString path() const { return dir_.path(); }
  bool MakeReadOnly() {
    return ::mount(nullptr, Local().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  QByteArray Local() const { return QFile::encodeName(dir_.path()); }
  QTemporaryDir dir_;
  bool mounted_ = false;
};

}  // namespace scoreink::test

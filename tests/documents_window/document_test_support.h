#pragma once
// Helpers for the tests of the score documents: an edit that the history counts, reading
// saved files back; the failure cases use the scratch mounts of the harness.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "harness/score_window_harness.h"
#include "harness/scratch_mount.h"
#include "platform/history/edit_history.h"
#include "platform/raster/palette.h"
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

}  // namespace scoreink::test

#pragma once
// Slot files laid down by hand for the store tests: symbols of a given size, dated as a test
// needs, and damaged files.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"
#include "symbol_editor/core/symbol_store.h"

namespace scoreink::test {

// A w x h white symbol with a black diagonal, as the editor would leave it.
inline QImage DiagonalSymbol(int w, int h) {
  QImage symbol = NewBitmap(w, h, PixelFormat::Bits24);
  for (int i = 0; i < std::min(w, h); ++i) symbol.setPixel(i, i, qRgb(0, 0, 0));
  return symbol;
}

inline void PutSlotFile(const QString& folder, int n, const QImage& picture) {
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(SaveBmp(picture, SymbolSlotFile(folder, n)).ok());
}

inline void PutSlotBytes(const QString& folder, int n, const QByteArray& bytes) {
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile file(SymbolSlotFile(folder, n));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

inline void SetModified(const QString& path, const QDateTime& when) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry of a folder, hidden ones included (a temporary file left behind shows here).
inline QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

}  // namespace scoreink::test

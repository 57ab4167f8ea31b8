#include "symbol_editor/core/symbol_store.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "platform/files/work_files.h"
#include "platform/picture_files/bmp_header.h"
#include "platform/picture_files/picture_io.h"
#include "platform/raster/pixel_format.h"

namespace scoreink {

namespace {

// A folder named like a slot file still holds the slot: a registration never lands on it.
bool SlotTaken(const QString& path) {
  return QFileInfo::exists(path);
}

QString FolderFailure(const QString& folder, const QString& reason) {
  return QStringLiteral("記号を入れるフォルダを作れない: %1\n%2").arg(folder, reason);
}

}  // namespace

QString SymbolSlotFile(const QString& folder, int n) {
  return folder + QLatin1Char('/') + QString::number(n) + QStringLiteral(".bmp");
}

QString SymbolSlotImageName(int n) {
  return QStringLiteral("OPImg%1").arg(n, 2, 10, QLatin1Char('0'));
}

SymbolStoreFolders SymbolStoreOf(const WorkPlaces& places) {
  return {places.SymbolFolders(), places.SymbolFolder()};
}

bool SymbolStoreExists(const SymbolStoreFolders& store) {
  for (const QString& folder : store.readOrder)
    if (QFileInfo(folder).isDir()) return true;
  return QFileInfo(store.writeFolder).isDir();
}

QString SlotFolder(const SymbolStoreFolders& store, int n) {
  for (const QString& folder : store.readOrder)
    if (SlotTaken(SymbolSlotFile(folder, n))) return folder;
  return store.writeFolder;
}

int ChooseSymbolSlot(const QString& folder, const QDateTime& now) {
  return ChooseSymbolSlot(SingleStoreFolder(folder), now);
}

int ChooseSymbolSlot(const SymbolStoreFolders& store, const QDateTime& now) {
  for (int n = 1; n <= kSymbolSlotCount; ++n)
    if (!SlotTaken(SymbolSlotFile(SlotFolder(store, n), n))) return n;
  return OldestSymbolSlot(store, now);
}

int OldestSymbolSlot(const QString& folder, const QDateTime& now) {
  return OldestSymbolSlot(SingleStoreFolder(folder), now);
}

int OldestSymbolSlot(const SymbolStoreFolders& store, const QDateTime& now) {
  QDateTime oldest = now;
  int result = 1;
  for (int n = 1; n <= kSymbolSlotCount; ++n) {
    const QFileInfo file(SymbolSlotFile(SlotFolder(store, n), n));
    if (!file.isFile()) continue;
    const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
    if (modified.isValid() && modified < oldest) {
      oldest = modified;
      result = n;
    }
  }
  return result;
}

SymbolSlotRead ReadSymbolSlot(const QString& folder, int n) {
  const QString path = SymbolSlotFile(folder, n);
  if (!QFileInfo(path).isFile()) return {};
  {
    // The size from the header first: a big picture left here by hand is never decoded.
    QFile file(path);
    BmpHeader header;
    QString reason;
    if (file.open(QIODevice::ReadOnly) && ReadBmpHeader(file, header, reason) &&
        (header.width > kSymbolSide || header.height > kSymbolSide))
      return {SymbolSlotRead::Status::TooLarge, QImage(), QString()};
  }
  PictureResult read = LoadBmp(path);
  if (!read.ok()) return {SymbolSlotRead::Status::Unreadable, QImage(), read.error};
  if (read.image.width() > kSymbolSide || read.image.height() > kSymbolSide)
    return {SymbolSlotRead::Status::TooLarge, QImage(), QString()};
  return {SymbolSlotRead::Status::Loaded, read.image, QString()};
}

bool HasBlackPixel(const QImage& drawing) {
  if (drawing.isNull()) return false;
  // Drawings are at most 30 x 30: a 24-bit copy costs nothing and reads the same in every
  // format.
  const QImage rgb = drawing.format() == QImage::Format_RGB888
                         ? drawing
                         : drawing.convertToFormat(QImage::Format_RGB888);
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* p = rgb.constScanLine(y);
    for (int x = 0; x < rgb.width(); ++x, p += 3)
      if (p[0] == 0 && p[1] == 0 && p[2] == 0) return true;
  }
  return false;
}

QString EnsureSymbolFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (info.isDir()) return QString();
  if (info.exists() || info.isSymLink())
    return FolderFailure(folder, QStringLiteral("同じ名前のファイルがある"));
  std::error_code error;
  std::filesystem::create_directory(QFile::encodeName(folder).toStdString(), error);
  if (error) return FolderFailure(folder, QString::fromLocal8Bit(error.message()));
  return QString();
}

SymbolSlotWrite WriteSymbolSlot(const QImage& drawing, const SymbolStoreFolders& store, int n) {
  SymbolSlotWrite result;
  result.error = EnsureSymbolFolder(store.writeFolder);
  if (!result.ok()) return result;
  result = WriteSymbolSlot(drawing, store.writeFolder, n);
  if (!result.ok()) return result;
  for (const QString& folder : store.readOrder) {
    if (folder == store.writeFolder) break;
    QFile::remove(SymbolSlotFile(folder, n));
  }
  return result;
}

SymbolSlotWrite WriteSymbolSlot(const QImage& drawing, const QString& folder, int n) {
  SymbolSlotWrite result;
  QImage fourBits = ConvertedTo(drawing, PixelFormat::Bits4);
  const WriteResult written = SaveBmp(fourBits, SymbolSlotFile(folder, n));
  if (!written.ok()) {
    result.error = written.error;
    return result;
  }
  result.written = std::move(fourBits);
  return result;
}

}  // namespace scoreink

#pragma once
// The custom symbol store: fifteen slots, each one small 4-bit BMP file "1.bmp" .. "15.bmp" in
// the store folder "OpPIX". The folder is the whole store: which files exist and when they
// were last modified decide everything, no index is kept.
//
// Every function takes the store folder (no trailing "/"), so tests point it anywhere.
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include "symbol_editor/core/symbol_bounds.h"

namespace scoreink {

inline constexpr int kSymbolSlotCount = 15;

struct WorkPlaces;

// The store as the program sees it: the store folders in the order in which they win (the
// per-user one first, then the one beside the executable), and the one registrations go to.
// Slot n is the file n.bmp of the first folder that has one.
struct SymbolStoreFolders {
  QStringList readOrder;
  QString writeFolder;
};
SymbolStoreFolders SymbolStoreOf(const WorkPlaces& places);
// One folder that is the whole store.
inline SymbolStoreFolders SingleStoreFolder(const QString& folder) {
  return {QStringList{folder}, folder};
}
// Any of the store's folders exists.
bool SymbolStoreExists(const SymbolStoreFolders& store);
// The folder whose file is slot n: the first in the read order that has one, else the write
// folder.
QString SlotFolder(const SymbolStoreFolders& store, int n);

// folder + "/" + n + ".bmp", n in decimal without leading zeros: "OpPIX/1.bmp" .. "OpPIX/15.bmp".
QString SymbolSlotFile(const QString& folder, int n);
// The palette image of slot n in the score window: "OPImg01" .. "OPImg15".
QString SymbolSlotImageName(int n);

// The slot for the next registration: the lowest slot that has no file, else the oldest one.
int ChooseSymbolSlot(const QString& folder, const QDateTime& now = QDateTime::currentDateTime());
int ChooseSymbolSlot(const SymbolStoreFolders& store,
                     const QDateTime& now = QDateTime::currentDateTime());

// The slot whose file was modified longest ago, strictly before now; among equal times the
// lowest slot. Slot 1 when no file is older than now (all missing or dated in the future).
int OldestSymbolSlot(const QString& folder, const QDateTime& now = QDateTime::currentDateTime());
int OldestSymbolSlot(const SymbolStoreFolders& store,
                     const QDateTime& now = QDateTime::currentDateTime());

struct SymbolSlotRead {
  enum class Status { Loaded, Missing, TooLarge, Unreadable };
  Status status = Status::Missing;
  QImage image;   // the symbol when Loaded
  QString error;  // the reader's message when Unreadable
};

// Reads the file of slot n. A file over kSymbolSide (30) in either direction is refused from
// its header, before any pixel is decoded.
SymbolSlotRead ReadSymbolSlot(const QString& folder, int n);

// True when the drawing has at least one pixel of exactly black (0, 0, 0).
bool HasBlackPixel(const QImage& drawing);

// Makes sure the store folder exists (one level: its parent must exist). Empty on success,
// else a user-facing message: a file of that name in the way, a folder that cannot be made.
QString EnsureSymbolFolder(const QString& folder);

struct SymbolSlotWrite {
  QImage written;  // the 4-bit picture that the file holds, on success
  QString error;   // empty on success
  bool ok() const { return error.isEmpty(); }
};
// Writes a 4-bit copy of the drawing as the file of slot n; the drawing itself is not
// touched. The new file replaces the old one only once it is complete, so a full disk or a
// write-protected store leaves the old slot file (or no file) behind, never a broken one.
// On failure the error is a user-facing message naming the file.
SymbolSlotWrite WriteSymbolSlot(const QImage& drawing, const QString& folder, int n);
// Into the write folder (made first, one level); a file of slot n in a folder that wins over
// it is removed once the new file is written, so that the registration is what the slot shows.
SymbolSlotWrite WriteSymbolSlot(const QImage& drawing, const SymbolStoreFolders& store, int n);

}  // namespace scoreink

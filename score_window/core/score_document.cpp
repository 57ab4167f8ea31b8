#include "score_window/core/score_document.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>

#include "platform/history/history_step_file.h"
#include "platform/picture_files/picture_at_8_bits.h"

namespace scoreink {

void ScoreDocument::SetPageFolder(const QString& folder) {
  folder_ = folder;
}

void ScoreDocument::Open(const QString& path, int pages, int dpi, int shown) {
  ForgetRecords();
  path_ = path;
  pages_ = std::max(pages, 1);
  dpi_ = dpi;
  shown_ = std::clamp(shown, 0, pages_ - 1);
}

QString ScoreDocument::RecordFile(int page) const {
  return folder_ + QStringLiteral("/Page%1.dat").arg(page + 1);
}

bool ScoreDocument::KeepRecord(int page, const HistoryStep& record, QString& reason) {
  if (record.tiles.empty() && !record.whole) {
    QFile::remove(RecordFile(page));
    kept_.remove(page);
    edited_.remove(page);
    return true;
  }
  if (!QDir().mkpath(folder_)) {
    reason = QStringLiteral("フォルダを作れない (%1)").arg(QDir::toNativeSeparators(folder_));
    return false;
  }
  reason = WriteHistoryStep(record, RecordFile(page));
  if (!reason.isEmpty()) return false;
  kept_.insert(page);
  if (RecordChangesPage(record))
    edited_.insert(page);
  else
    edited_.remove(page);
  return true;
}

HistoryStep ScoreDocument::Record(int page) const {
  if (!kept_.contains(page)) return HistoryStep();
  return ReadHistoryStep(RecordFile(page)).value_or(HistoryStep());
}

QList<int> ScoreDocument::EditedPages() const {
  QList<int> pages = edited_.values();
  std::sort(pages.begin(), pages.end());
  return pages;
}

void ScoreDocument::ForgetRecords() {
  for (const int page : kept_) QFile::remove(RecordFile(page));
  kept_.clear();
  edited_.clear();
}

std::optional<QImage> ScoreDocument::PagePicture(int page, ReadWatch* watch, QString& error) const {
  PictureAt8Bits at8Bits;
  error = ReadPicture(path_, at8Bits, watch, PagePick{page, dpi_});
  if (!error.isEmpty()) return std::nullopt;
  QImage picture = at8Bits.Take();
  if (picture.isNull()) {
    error = QStringLiteral("メモリが足りない");
    return std::nullopt;
  }
  const HistoryStep record = Record(page);
  if (!record.tiles.empty()) PutStepInto(record, true, picture);
  return picture;
}

HistoryStep RecordBetween(const QImage& asRead, const QImage& edited) {
  HistoryStep record;
  if (!SameShape(asRead, edited) || !TileablePicture(edited)) return record;
  QImage known = asRead;  // compared and brought up to date: its own pixels
  TakeChangedTiles(known, edited, kHistoryTileSize, {}, true, &record);
  return record;
}

bool RecordChangesPage(const HistoryStep& record) {
  return !record.tiles.empty() && record.before != record.after;
}

PageOverlays OverlaysOf(const HistoryStep& record) {
  PageOverlays overlays;
  if (record.whole || record.tiles.empty() || record.before.size() != record.after.size())
    return overlays;
  const QImage probe(1, 1, record.format);
  if (probe.depth() != 8) return overlays;  // the score is always at 8 bits
  const TileGrid grid(record.size, 1, record.tileSize);
  // Where each changed tile keeps its pixels in the record.
  struct Changed {
    QRect rect;
    qsizetype offset;
  };
  std::vector<Changed> changed;
  qsizetype offset = 0;
  for (const int t : record.tiles) {
    const qsizetype bytes = grid.TileBytes(t);
    if (std::memcmp(record.before.constData() + offset, record.after.constData() + offset,
                    size_t(bytes)) != 0)
      changed.push_back({grid.TileRect(t), offset});
    offset += bytes;
  }
  std::sort(changed.begin(), changed.end(), [](const Changed& a, const Changed& b) {
    return a.rect.y() != b.rect.y() ? a.rect.y() < b.rect.y() : a.rect.x() < b.rect.x();
  });
  // Runs of tile rows that hold changed tiles, each one overlay.
  for (size_t first = 0; first < changed.size();) {
    size_t last = first;
    QRect area = changed[first].rect;
    while (last + 1 < changed.size() && changed[last + 1].rect.top() <= area.bottom() + 1) {
      area |= changed[++last].rect;
    }
    PageOverlay overlay;
    overlay.area = area;
    overlay.pixels = QImage(area.size(), QImage::Format_Indexed8);
    overlay.pixels.setColorTable(record.colors);
    overlay.pixels.fill(0);
    overlay.mask = QImage(area.size(), QImage::Format_Mono);
    overlay.mask.fill(0);
    for (size_t i = first; i <= last; ++i) {
      const QRect rect = changed[i].rect;
      const char* before = record.before.constData() + changed[i].offset;
      const char* after = record.after.constData() + changed[i].offset;
      for (int r = 0; r < rect.height(); ++r) {
        const int y = rect.y() - area.y() + r;
        uchar* row = overlay.pixels.scanLine(y) + (rect.x() - area.x());
        std::memcpy(row, after + qsizetype(r) * rect.width(), size_t(rect.width()));
        for (int c = 0; c < rect.width(); ++c) {
          const qsizetype at = qsizetype(r) * rect.width() + c;
          if (before[at] != after[at]) overlay.mask.setPixel(rect.x() - area.x() + c, y, 1);
        }
      }
    }
    overlays.push_back(std::move(overlay));
    first = last + 1;
  }
  return overlays;
}

}  // namespace scoreink

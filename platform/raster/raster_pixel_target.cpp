#include "platform/raster/raster_pixel_target.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/raster/palette.h"

namespace scoreink::raster {

TargetKind TargetKindOf(const QImage* image) {
  if (!image || image->isNull()) return TargetKind::None;
  switch (image->format()) {
    case QImage::Format_Indexed8:
      return TargetKind::Indexed8;
    case QImage::Format_RGB888:
      return TargetKind::Rgb24;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
      return TargetKind::Rgb32;
    default:
      return TargetKind::None;
  }
}

const ColorLookup* LookupForTable(const QList<QRgb>& table) {
  if (table == FixedPalette()) return &FixedPaletteLookup();
  if (table == FourBitPalette()) return &FourBitLookup();
  return nullptr;
}

IndexMatcher::IndexMatcher(const QList<QRgb>& table)
    : table_(table), lookup_(LookupForTable(table)) {}

uchar IndexMatcher::operator()(QRgb color) {
  color |= 0xFF000000u;
  if (lookup_) return (*lookup_)(qRed(color), qGreen(color), qBlue(color));
  if (auto it = known_.find(color); it != known_.end()) return it->second;
  int best = 0, bestDistance = INT_MAX;
  for (int i = 0; i < std::min<int>(256, table_.size()); ++i) {
    const int dr = qRed(table_[i]) - qRed(color), dg = qGreen(table_[i]) - qGreen(color),
              db = qBlue(table_[i]) - qBlue(color);
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  known_.emplace(color, static_cast<uchar>(best));
  return static_cast<uchar>(best);
}

PixelTarget::PixelTarget(QImage& image) {
  kind_ = TargetKindOf(&image);
  if (kind_ == TargetKind::None) return;
  bits_ = image.bits();
  if (!bits_) {  // detaching failed for want of memory
    kind_ = TargetKind::None;
    return;
  }
  bytesPerLine_ = image.bytesPerLine();
  width_ = image.width();
  height_ = image.height();
  if (kind_ == TargetKind::Indexed8) {
    table_ = image.colorTable();
    indexMask_ = 1;
    while (indexMask_ < 255 && static_cast<qsizetype>(indexMask_) + 1 < table_.size()) {
      indexMask_ = indexMask_ * 2 + 1;
    }
    matcher_ = std::make_unique<IndexMatcher>(table_);
    lookup_ = matcher_->Lookup();
  }
}

uint PixelTarget::ValueOf(QRgb color) {
  if (kind_ == TargetKind::Indexed8) return (*matcher_)(color);
  return color & 0xFFFFFFu;
}

QRgb PixelTarget::ColorOfValue(uint value) const {
  if (kind_ == TargetKind::Indexed8) {
    return value < static_cast<uint>(table_.size()) ? (table_[value] | 0xFF000000u) : kBlack;
  }
  return value | 0xFF000000u;
}

uint PixelTarget::ValueAt(int x, int y) const {
  const uchar* row = bits_ + y * bytesPerLine_;
  switch (kind_) {
    case TargetKind::Indexed8:
      return row[x];
    case TargetKind::Rgb24:
      return (uint(row[3 * x]) << 16) | (uint(row[3 * x + 1]) << 8) | row[3 * x + 2];
    case TargetKind::Rgb32:
      return reinterpret_cast<const QRgb*>(row)[x] & 0xFFFFFFu;
    case TargetKind::None:
      break;
  }
  return 0;
}

void PixelTarget::SetValue(int x, int y, uint value) {
  uchar* row = Row(y);
  switch (kind_) {
    case TargetKind::Indexed8:
      row[x] = static_cast<uchar>(value);
      break;
    case TargetKind::Rgb24:
      row[3 * x] = static_cast<uchar>(value >> 16);
      row[3 * x + 1] = static_cast<uchar>(value >> 8);
      row[3 * x + 2] = static_cast<uchar>(value);
      break;
    case TargetKind::Rgb32:
      reinterpret_cast<QRgb*>(row)[x] = value | 0xFF000000u;
      break;
    case TargetKind::None:
      break;
  }
}

void PixelTarget::Apply(const std::vector<Span>& spans, uint value, PenMode mode) {
  const bool notXor = mode == PenMode::NotXor;
  for (const Span& span : spans) {
    uchar* row = Row(span.y);
    const int count = span.x1 - span.x0 + 1;
    switch (kind_) {
      case TargetKind::Indexed8: {
        uchar* p = row + span.x0;
        if (!notXor) {
          std::memset(p, static_cast<int>(value), static_cast<size_t>(count));
        } else {
          for (int i = 0; i < count; ++i) p[i] = static_cast<uchar>(~(p[i] ^ value) & indexMask_);
        }
        break;
      }
      case TargetKind::Rgb24: {
        uchar* p = row + 3 * span.x0;
        const uchar c[3] = {static_cast<uchar>(value >> 16), static_cast<uchar>(value >> 8),
                            static_cast<uchar>(value)};
        for (int i = 0; i < count; ++i, p += 3) {
          for (int k = 0; k < 3; ++k) p[k] = notXor ? static_cast<uchar>(~(p[k] ^ c[k])) : c[k];
        }
        break;
      }
      case TargetKind::Rgb32: {
        QRgb* p = reinterpret_cast<QRgb*>(row) + span.x0;
        for (int i = 0; i < count; ++i) {
          p[i] = notXor ? ((~(p[i] ^ value) & 0xFFFFFFu) | (p[i] & 0xFF000000u))
                        : (value | 0xFF000000u);
        }
        break;
      }
      case TargetKind::None:
        return;
    }
  }
}

}  // namespace scoreink::raster

#include "platform/picture_files/pdf_shown_page.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace scoreink {

namespace {

struct Box {
  double x1, y1, x2, y2;
};

// A box as Poppler accepts it: four numbers, not all zero, corners in any order.
std::optional<Box> BoxOf(QPDFObjectHandle value) {
  if (!value.isArray() || value.getArrayNItems() != 4) return std::nullopt;
  double v[4];
  for (int i = 0; i < 4; ++i) {
    QPDFObjectHandle item = value.getArrayItem(i);
    if (!item.isNumber()) return std::nullopt;
    v[i] = item.getNumericValue();
  }
  if (v[0] == 0 && v[1] == 0 && v[2] == 0 && v[3] == 0) return std::nullopt;
  return Box{std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]),
             std::max(v[1], v[3])};
}

// The page and its ancestors, nearest first; a parent chain that loops ends where it would.
std::vector<QPDFObjectHandle> PageAndAncestors(QPDFObjectHandle page) {
  std::vector<QPDFObjectHandle> chain;
  std::set<QPDFObjGen> seen;
  for (QPDFObjectHandle node = page; node.isDictionary(); node = node.getKey("/Parent")) {
    if (node.isIndirect() && !seen.insert(node.getObjGen()).second) break;
    chain.push_back(node);
  }
  return chain;
}

std::optional<Box> NearestBox(const std::vector<QPDFObjectHandle>& chain, const char* key) {
  for (QPDFObjectHandle node : chain)
    if (std::optional<Box> box = BoxOf(node.getKey(key))) return box;
  return std::nullopt;
}

int NearestRotate(const std::vector<QPDFObjectHandle>& chain) {
  for (QPDFObjectHandle node : chain) {
    QPDFObjectHandle rotate = node.getKey("/Rotate");
    if (!rotate.isInteger()) continue;
    const int turn = int(((rotate.getIntValue() % 360) + 360) % 360);
    return turn % 90 == 0 ? turn : 0;
  }
  return 0;
}

}  // namespace

ShownPage ShownPageOf(QPDFObjectHandle page) {
  const std::vector<QPDFObjectHandle> chain = PageAndAncestors(page);
  const Box media = NearestBox(chain, "/MediaBox").value_or(Box{0, 0, 612, 792});
  Box crop = NearestBox(chain, "/CropBox").value_or(media);
  if (crop.x2 - crop.x1 > media.x2 - media.x1) crop.x1 = media.x1, crop.x2 = media.x2;
  if (crop.y2 - crop.y1 > media.y2 - media.y1) crop.y1 = media.y1, crop.y2 = media.y2;
  crop = Box{std::max(crop.x1, media.x1), std::max(crop.y1, media.y1), std::min(crop.x2, media.x2),
             std::min(crop.y2, media.y2)};
  return ShownPage{crop.x1, crop.y1, crop.x2, crop.y2, NearestRotate(chain)};
}

std::array<double, 6> ImagePlacement(const ShownPage& page, const QRect& area, int dpi) {
  // In points of the page as seen: x to the right, y downwards from its top left.
  const double pt = 72.0 / dpi;
  // Renderers that fill every pixel an image's edge touches (Poppler's among them) would draw
  // the image a pixel wider and taller when its far edges lie exactly on pixel borders: an
  // inset of a 64th of a pixel on every side keeps it on its own pixels, and is nothing on paper.
  const double inset = pt / 64;
  const double x = area.x() * pt + inset, y = area.y() * pt + inset;
  const double w = area.width() * pt - 2 * inset, h = area.height() * pt - 2 * inset;
  // The image's (u, v) is seen at (x + w u, y + h - h v); each turn maps that to the page.
  switch (page.rotate) {
    case 90:  // seen (sx, sy) is the page's (left + sy, bottom + sx)
      return {0, w, -h, 0, page.left + y + h, page.bottom + x};
    case 180:  // (right - sx, bottom + sy)
      return {-w, 0, 0, -h, page.right - x, page.bottom + y + h};
    case 270:  // (right - sy, top - sx)
      return {0, -w, h, 0, page.right - y - h, page.top - x};
    default:  // (left + sx, top - sy)
      return {w, 0, 0, h, page.left + x, page.top - y - h};
  }
}

}  // namespace scoreink

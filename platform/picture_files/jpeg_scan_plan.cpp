#include "platform/picture_files/jpeg_scan_plan.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace scoreink {

namespace {

// Buffered reading of the device, byte by byte.
class Bytes {
 public:
  explicit Bytes(QIODevice& in) : in_(in) {}
  // -1 at the end of the data.
  int Next() {
    if (at_ == buffer_.size()) {
      buffer_.resize(64 * 1024);
      const qint64 got = in_.read(buffer_.data(), buffer_.size());
      buffer_.resize(got > 0 ? qsizetype(got) : 0);
      at_ = 0;
      if (buffer_.isEmpty()) return -1;
    }
    return uchar(buffer_[at_++]);
  }
  // Passes over bytes up to the next 0xFF and gives it; -1 at the end of the data.
  int NextMarkerByte() {
    for (;;) {
      const char* from = buffer_.constData() + at_;
      const auto* found =
          static_cast<const char*>(std::memchr(from, 0xFF, size_t(buffer_.size() - at_)));
      if (found) {
        at_ = found - buffer_.constData() + 1;
        return 0xFF;
      }
      at_ = buffer_.size();
      if (Next() < 0) return -1;
      --at_;
    }
  }
  bool Read(uchar* out, int count) {
    for (int i = 0; i < count; ++i) {
      const int b = Next();
      if (b < 0) return false;
      out[i] = uchar(b);
    }
    return true;
  }

 private:
  QIODevice& in_;
  QByteArray buffer_;
  qsizetype at_ = 0;
};

struct Component {
  int id = 0;
  qint64 pixels = 0;
};

bool IsFrameMarker(int code) {
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

qint64 CeilDiv(qint64 a, qint64 b) {
  return (a + b - 1) / b;
}

void ReadFrame(const std::vector<uchar>& s, std::vector<Component>& comps) {
  if (s.size() < 6) return;
  const qint64 height = (s[1] << 8) | s[2], width = (s[3] << 8) | s[4];
  const int count = s[5];
  if (s.size() < size_t(6 + 3 * count)) return;
  int maxH = 1, maxV = 1;
  for (int i = 0; i < count; ++i) {
    maxH = std::max(maxH, s[size_t(7 + 3 * i)] >> 4);
    maxV = std::max(maxV, s[size_t(7 + 3 * i)] & 15);
  }
  comps.assign(size_t(count), Component());
  for (int i = 0; i < count; ++i) {
    Component& c = comps[size_t(i)];
    const int sampling = s[size_t(7 + 3 * i)];
    c.id = s[size_t(6 + 3 * i)];
    c.pixels = CeilDiv(width * std::max(1, sampling >> 4), maxH) *
               CeilDiv(height * std::max(1, sampling & 15), maxV);
  }
}

// Adds the scan to the plan: the pixels of the components it covers.
void ReadScan(const std::vector<uchar>& s, const std::vector<Component>& comps,
              JpegScanPlan& plan) {
  if (s.empty() || comps.empty()) return;
  const int count = s[0];
  if (s.size() < size_t(1 + 2 * count)) return;
  ++plan.scans;
  for (int i = 0; i < count; ++i) {
    const int id = s[size_t(1 + 2 * i)];
    for (const Component& c : comps)
      if (c.id == id) plan.work += c.pixels;
  }
}

}  // namespace

JpegScanPlan PlanJpegScans(QIODevice& in) {
  const qint64 start = in.pos();
  JpegScanPlan plan;
  Bytes bytes(in);
  if (bytes.Next() != 0xFF || bytes.Next() != 0xD8) {
    in.seek(start);
    return plan;
  }
  std::vector<Component> comps;
  std::vector<uchar> segment;
  for (int b = bytes.Next(); b >= 0;) {
    // Entropy-coded data and stray bytes are passed over up to the next marker.
    if (b != 0xFF) {
      b = bytes.NextMarkerByte();
      continue;
    }
    int code = bytes.Next();
    while (code == 0xFF) code = bytes.Next();
    if (code < 0 || code == 0xD9) break;
    if (code == 0x00 || code == 0x01 || (code >= 0xD0 && code <= 0xD7)) {
      b = bytes.Next();
      continue;
    }
    uchar length[2];
    if (!bytes.Read(length, 2)) break;
    const int size = ((length[0] << 8) | length[1]) - 2;
    if (size < 0) break;
    segment.resize(size_t(size));
    if (!bytes.Read(segment.data(), size)) break;
    if (IsFrameMarker(code) && !plan.found) {
      ReadFrame(segment, comps);
      plan.found = !comps.empty();
    } else if (code == 0xDA) {
      ReadScan(segment, comps, plan);
    }
    b = bytes.Next();
  }
  in.seek(start);
  return plan;
}

}  // namespace scoreink

#include "platform/picture_files/read_watch.h"

#include <algorithm>

namespace scoreink {

void ReadWatch::Report(qint64 done, qint64 total) {
  if (total <= 0) return;
  const qint64 part = std::clamp<qint64>(done, 0, total);
  permille_.store(int(part * 1000 / total), std::memory_order_relaxed);
  reports_.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace scoreink

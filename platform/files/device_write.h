#pragma once
// Writing a block to a device, checked. A file system that fills up mid-block takes part of
// it and reports nothing; asking again for the rest brings out the real error (for files:
// ResourceError on a full disk), which the message to the user can then name.
#include <QIODevice>

namespace scoreink {

inline bool WriteFully(QIODevice& out, const char* data, qint64 size) {
  while (size > 0) {
    const qint64 written = out.write(data, size);
    if (written <= 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace scoreink

#include "dialogs/core/file_mask.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "platform/files/native_path.h"

namespace scoreink {

FileMask::FileMask(const QString& mask) {
  for (const QString& part : mask.split(QLatin1Char(';'))) {
    const QString pattern = part.trimmed();
    if (pattern.isEmpty()) continue;
    patterns_.append(pattern);
    expressions_.push_back(QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive));
  }
}

bool FileMask::Matches(const QString& name) const {
  return std::any_of(expressions_.begin(), expressions_.end(),
                     [&name](const QRegularExpression& e) { return e.match(name).hasMatch(); });
}

void SortFileNames(QStringList& names) {
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
  });
}

namespace {

// A plain file, or a link to anything that exists and is no folder (the reader refuses what
// is no plain file, with a message that says so).
bool ListedEntry(int folder, const char* name) {
  struct stat info;
  if (::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (S_ISREG(info.st_mode)) return true;
  if (!S_ISLNK(info.st_mode)) return false;
  return ::fstatat(folder, name, &info, 0) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace

std::optional<QStringList> ListMatchingFiles(const QString& folder, const FileMask& mask) {
  // Read by the names' own bytes: a name that is not UTF-8 is listed too, and leads back to
  // its file (native_path.h).
  const QByteArray native = NativePath(folder);
  // Listing needs both: reading the folder's names and looking at its entries.
  if (folder.isEmpty() || ::access(native.constData(), R_OK | X_OK) != 0) return std::nullopt;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(native.constData()), ::closedir);
  if (!dir) return std::nullopt;
  QStringList names;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (entry->d_name[0] == '.') continue;  // hidden, and the folder itself and its parent
    const QString name = PathFromNative(QByteArray(entry->d_name));
    if (mask.Matches(DisplayedPath(name)) && ListedEntry(::dirfd(dir.get()), entry->d_name))
      names.append(name);
  }
  SortFileNames(names);
  return names;
}

}  // namespace scoreink

#include "dialogs/core/file_mask.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

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

std::optional<QStringList> ListMatchingFiles(const QString& folder, const FileMask& mask) {
  const QFileInfo info(folder);
  // Listing needs both: reading the folder's names and looking at its entries.
  if (folder.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable())
    return std::nullopt;
  QStringList names;
  for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Unsorted))
    if (mask.Matches(name)) names.append(name);
  SortFileNames(names);
  return names;
}

}  // namespace scoreink

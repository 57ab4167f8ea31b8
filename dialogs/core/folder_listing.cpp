#include "dialogs/core/folder_listing.h"

#include "dialogs/core/file_mask.h"

namespace scoreink {

QString ListFolderInto(FolderListTarget& list, const QString& previous, const QString& chosen,
                       const QString& workFolder,
                       const std::function<bool(const QString& folder)>& remember) {
  list.Clear();
  if (chosen == workFolder) return previous;
  list.SetMask(QString::fromLatin1(kImageFileMask));
  list.PointAt(QString::fromLatin1(kListRootFolder));
  if (!list.PointAt(chosen)) return previous;
  if (chosen == previous) return previous;
  return remember(chosen) ? chosen : previous;
}

}  // namespace scoreink

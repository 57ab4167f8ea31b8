#pragma once
// Deleting a file the way a desktop does: into the user's trash, from where the file manager
// can bring it back. Only where the file's file system has no trash is it removed for good.
#include <QString>

namespace scoreink {

struct TrashResult {
  bool ok = false;
  bool trashed = false;  // in the trash; false when removed for good (or not at all)
  QString error;         // why the file stays, when !ok
};

TrashResult MoveFileToTrash(const QString& path);

}  // namespace scoreink

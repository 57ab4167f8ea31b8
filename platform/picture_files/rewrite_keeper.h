#pragma once
// A file rewritten in place (its folder takes no new files) is not whole while the new bytes
// go in: a process killed then would leave a new header, some rows and zeros. So a full copy
// of the old file is kept in a folder of the user's first, and dropped only once the new file
// is complete and on disk. The next start puts back every file whose rewrite did not end.
#include <QByteArray>
#include <QString>
#include <QStringList>

// The notes of saves in progress share the folder, and start-up clears after both kinds of
// cut-off writes: RestoreInterruptedRewrites and RemoveLeftoversOfInterruptedSaves.
#include "platform/picture_files/save_notes.h"

namespace scoreink {

// The folder the copies go to (the per-user data folder's "Rewrites"), and the notes of the
// saves in progress (save_notes.h); set at start-up. Empty: no copies or notes are kept.
void SetRewriteKeepFolder(const QString& folder);
QString RewriteKeepFolder();

// The copy of one rewrite in progress.
class KeptOriginal {
 public:
  // Copies target (before it is touched) and notes the bytes that will replace it. False
  // when the copy could not be made whole: the rewrite must not start then.
  bool Keep(const QString& target, const QByteArray& newBytes);
  // The rewrite is complete and on disk: the copy goes.
  void Drop();
  // The rewrite failed: the old bytes go back, and the copy goes once they are back.
  void PutBack();

 private:
  QString copy_;
  QString note_;
};

// Puts back every kept file whose rewrite did not complete and removes the copies of those
// that did. Returns the files put back.
QStringList RestoreInterruptedRewrites();

}  // namespace scoreink

#pragma once
// Writes a file so that a failure never destroys what was there: the bytes go to a new file
// beside the target, which replaces the target only once every write, the flush and the
// close have succeeded. No fsync: snapshots are written on every edit, and a rename over
// the old file is what keeps it whole.
#include <QIODevice>
#include <QString>
#include <functional>

namespace scoreink {

// write fills the device and returns an empty string or the reason it failed. Returns an
// empty string on success, else the user-facing reason (no headline). A folder that refuses
// new files while the target itself is writable gets the target rewritten in place. A file
// replaced keeps its permissions (and, for the superuser, its owner); a write-protected file
// is refused, also for the superuser; a symbolic link is written through to its file. The new
// file of a save cut off by a kill is removed at the next start (save_notes.h).
QString WriteReplacingFile(const QString& path, const std::function<QString(QIODevice&)>& write);

// Rewrites an existing file in place, for a folder that refuses new files: the new bytes are
// made in memory, a copy of the old file is kept (RewriteKeepFolder) and the space for the new
// bytes reserved before the old file is touched, so a refusal (no room for the copy, a full
// disk) leaves the old file byte for byte as it was, and a rewrite cut off midway is put back.
QString OverwriteInPlace(const QString& path, const std::function<QString(QIODevice&)>& write);

}  // namespace scoreink

#pragma once
// File names on Linux are bytes, the program's paths are QStrings. Qt turns bytes that are not
// valid UTF-8 into U+FFFD, after which the file can no longer be found. Here every such byte is
// kept instead as one lone low surrogate (U+DC80 + the byte, which no UTF-8 text can give), so
// that a path read from the disk leads back to its file. Paths that are valid UTF-8 are the
// same either way.
#include <QByteArray>
#include <QString>

namespace scoreink {

// The bytes of a path or name as the system gave them, as a path of the program.
QString PathFromNative(const QByteArray& bytes);
// The bytes the system knows the path by.
QByteArray NativePath(const QString& path);
// The path as the user is shown it: each byte that was not UTF-8 as U+FFFD.
QString DisplayedPath(const QString& path);

// What a path names, links followed.
enum class PathKind { Missing, Folder, RegularFile, Other };
PathKind KindOfPath(const QString& path);

// The path that a write to path lands on: symbolic links followed as the system follows them
// (through a chain, and ".." in a link's target going up from the folder it really names), the
// last one possibly pointing to a file that does not exist yet; path itself when it is no link.
QString FollowLinks(const QString& path);

}  // namespace scoreink

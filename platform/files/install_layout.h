#pragma once
// How an installed copy of the program recognises itself: the executable in <prefix>/bin
// beside the desktop entry in <prefix>/share/applications, as `cmake --install` and the .deb
// lay it out. Such a copy keeps its work files in the per-user data folder even when it could
// write beside itself (run as root, or installed under the user's home).
#include <QString>

namespace scoreink {

// The desktop entry's name without ".desktop", the icon's name, the AppStream id.
inline constexpr char kDesktopId[] = "org.scoreink.ScoreInk";

// True when exeFolderWithSlash is the bin/ folder of an installed copy.
bool IsInstalledCopy(const QString& exeFolderWithSlash);

}  // namespace scoreink

#pragma once
// The folder of the running executable, with a trailing "/". Tests give each window its own
// temporary executable folder through the override.
#include <QString>

namespace scoreink {

QString ExecutableFolder();
// Empty text removes the override.
void SetExecutableFolderOverride(const QString& folderWithSlash);

}  // namespace scoreink

#include "platform/files/install_layout.h"

#include <QDir>
#include <QFileInfo>

namespace scoreink {

bool IsInstalledCopy(const QString& exeFolderWithSlash) {
  const QDir bin(exeFolderWithSlash);
  if (bin.dirName() != QLatin1String("bin")) return false;
  return QFileInfo::exists(bin.filePath(QStringLiteral("../share/applications/") +
                                        QLatin1String(kDesktopId) + QStringLiteral(".desktop")));
}

}  // namespace scoreink

#include "platform/ui/program_identity.h"

#include <QApplication>
#include <QIcon>

#include "platform/files/install_layout.h"

namespace scoreink {

void SetProgramIdentity(QApplication& app) {
  app.setApplicationName(QStringLiteral("scoreink"));
  app.setDesktopFileName(QLatin1String(kDesktopId));
  app.setWindowIcon(QIcon(QStringLiteral(":/desktop/%1.png").arg(QLatin1String(kDesktopId))));
}

}  // namespace scoreink

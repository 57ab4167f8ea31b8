#include "harness/test_child.h"

#include <QCoreApplication>

namespace scoreink::test {

void StartTestChild(QProcess& child, const char* filter, const char* name, const QString& value) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QString::fromLatin1(name), value);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=") + QString::fromLatin1(filter)});
}

}  // namespace scoreink::test

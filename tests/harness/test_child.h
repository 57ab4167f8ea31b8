#pragma once
// Tests that need a process of their own (to be killed, or to kill itself): this test program
// started again, running one test, told its task through the environment.
#include <QProcess>
#include <QString>

namespace scoreink::test {

// Starts the test named by filter ("Suite.Name") headless, with name=value in its environment.
void StartTestChild(QProcess& child, const char* filter, const char* name, const QString& value);

}  // namespace scoreink::test

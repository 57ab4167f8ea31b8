#pragma once
// The program's name as the desktop knows it: the per-user data folder
// (~/.local/share/scoreink), the desktop entry the panel matches its windows with, and the
// icon of its windows.
class QApplication;

namespace scoreink {

void SetProgramIdentity(QApplication& app);

}  // namespace scoreink

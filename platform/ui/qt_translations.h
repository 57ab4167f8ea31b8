#pragma once
// Qt's own texts (the buttons of message boxes, the file dialog) in Japanese like the rest of
// the program, from the translations that Debian ships with Qt (qt6-translations-l10n).
class QCoreApplication;

namespace scoreink {

// Installs Qt's Japanese translation on app, whatever the system's language; false when it is
// not installed (Qt's texts then stay English). Call once, before the first window.
bool LoadQtTranslations(QCoreApplication& app);

}  // namespace scoreink

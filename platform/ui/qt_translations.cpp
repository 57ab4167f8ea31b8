#include "platform/ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace scoreink {

bool LoadQtTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  // "qt_ja" gathers the catalogues of Qt's modules (qtbase_ja and the others).
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  app.installTranslator(translator);
  return true;
}

}  // namespace scoreink

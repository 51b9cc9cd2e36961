#include "desktop/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace nf {

QTranslator* installTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  // The window is Bulgarian by design, so the catalogue is chosen by name, not by the locale.
  if (!translator->load(QStringLiteral("qtbase_bg"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QApplication::installTranslator(translator);
  return translator;
}

}  // namespace nf

#pragma once

class QApplication;
class QTranslator;

namespace nf {

/// Makes Qt's own texts (the context menus of text boxes and scroll bars, for instance)
/// Bulgarian like the rest of the window, whatever the system's language: loads Qt's Bulgarian
/// catalogue from Qt's translations folder and installs it in `app`. Returns the installed
/// translator, owned by `app`, or nullptr when the catalogue is missing; the menus then stay
/// English and the program starts as usual.
QTranslator* installTranslations(QApplication& app);

}  // namespace nf

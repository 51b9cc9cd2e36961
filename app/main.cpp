#include <QApplication>
#include <QStyleFactory>
#include <algorithm>

#include "cli/command_line.h"
#include "cli/language.h"
#include "desktop/display_guard.h"
#include "desktop/main_window.h"
#include "desktop/translations.h"

int main(int argc, char* argv[]) {
  // The locale and the catalogue's place only: the catalogue is read when a text is written.
  nf::useUserLanguage();
  // The arguments are read before Qt starts: only opening the window needs a display.
  const nf::CommandLine command = nf::readCommandLine(argc, argv);
  if (command.task != nf::CommandLine::Task::OpenWindow) {
    return nf::runInTerminal(command);
  }
  if (!nf::displayNamed()) {
    return nf::reportNoDisplay();
  }
  // Qt is given the program's name alone: every argument has been read above.
  int qtArgc = std::min(argc, 1);
  nf::DisplayGuard guard;
  QApplication app(qtArgc, argv);
  guard.release();
  // The installed desktop entry's name: docks and the software centre match the window to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.NormalForms"));
  nf::installTranslations(app);
  // One look on every desktop: the colours and sizes of the window are fixed.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(nf::MainWindow::programFont());
  nf::MainWindow window(command.function);
  window.show();
  return QApplication::exec();
}

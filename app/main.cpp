#include <QApplication>
#include <QStyleFactory>

#include "desktop/main_window.h"
#include "desktop/translations.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The installed desktop entry's name: docks and the software centre match the window to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.NormalForms"));
  nf::installTranslations(app);
  // One look on every desktop: the colours and sizes of the window are fixed.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(nf::MainWindow::programFont());
  nf::MainWindow window;
  window.show();
  return QApplication::exec();
}

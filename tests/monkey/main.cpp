// Runs the monkey test in an X server of its own, started before the application connects to
// a display. Without Xvfb, xdotool or xclip the test is skipped and says which one is missing.
#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include "input_pump.h"
#include "monkey_test.h"
#include "x_server.h"

int main(int argc, char* argv[]) {
  QStringList missing;
  for (const char* tool : {"Xvfb", "xdotool", "xclip"}) {
    if (findProgram(QLatin1String(tool)).isEmpty()) {
      missing << QLatin1String(tool);
    }
  }
  XServer server;
  QString skipReason;
  if (missing.isEmpty()) {
    const QString failed = server.start(findProgram(QStringLiteral("Xvfb")));
    if (!failed.isEmpty()) {
      qCritical("could not start the X server: %s", qPrintable(failed));
      return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
  } else {
    skipReason = QStringLiteral("needs these programs on PATH: %1").arg(missing.join(", "));
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qunsetenv("WAYLAND_DISPLAY");
  // The private display has no session bus. Without an address the D-Bus library tries to
  // start one for that display, and the attempt leaks memory that the sanitizer build reports;
  // with an address that no bus answers, Qt goes without one at once.
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  qunsetenv("QT_SCALE_FACTOR");

  int status = 0;
  {
    MonkeyApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    MonkeyTest test(skipReason);
    status = QTest::qExec(&test, argc, argv);
  }
  server.stop();
  return status;
}

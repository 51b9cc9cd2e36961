// Runs the monkey test in an X server of its own, started before the application connects to
// a display. Without Xvfb, xdotool or xclip the test is skipped and says which one is missing.
#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include "input_pump.h"
#include "monkey_test.h"
#include "xsupport/x_server.h"

int main(int argc, char* argv[]) {
  const std::string missing = xsupport::missingPrograms({"Xvfb", "xdotool", "xclip"});
  xsupport::XServer server;
  QString skipReason;
  if (missing.empty()) {
    const std::string failed = server.start();
    if (!failed.empty()) {
      qCritical("could not start the X server: %s", failed.c_str());
      return 1;
    }
    server.useForPrograms();
  } else {
    skipReason = QStringLiteral("needs these programs on PATH: %1").arg(missing.c_str());
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
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

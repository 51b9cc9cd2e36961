// The monkey: random real mouse and key input on the window, in-process, in an X server of its
// own started before the application connects to a display. NF_MONKEY_SEED and
// NF_MONKEY_INPUTS change the seed and the number of inputs. Without Xvfb, xdotool or xclip the
// run is skipped and says which one is missing.
#include <QApplication>
#include <QStyleFactory>
#include <cstdio>

#include "input_pump.h"
#include "monkey_run.h"
#include "xsupport/x_server.h"

namespace {

constexpr quint64 kDefaultSeed = 20250105;
constexpr int kSkipped = 77;  // CTest's SKIP_RETURN_CODE

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::string missing = xsupport::missingPrograms({"Xvfb", "xdotool", "xclip"});
      !missing.empty()) {
    std::printf("skipped: the monkey needs these programs on PATH: %s\n", missing.c_str());
    return kSkipped;
  }
  xsupport::XServer server;
  if (const std::string failed = server.start(); !failed.empty()) {
    std::fprintf(stderr, "could not start the X server: %s\n", failed.c_str());
    return 1;
  }
  server.useForPrograms();
  qunsetenv("QT_SCALE_FACTOR");
  // Destroyed before the server it is connected to.
  MonkeyApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  bool ok = false;
  quint64 seed = qEnvironmentVariable("NF_MONKEY_SEED").toULongLong(&ok);
  seed = ok ? seed : kDefaultSeed;
  const int inputs = qEnvironmentVariableIntValue("NF_MONKEY_INPUTS", &ok);
  const QString failure = MonkeyRun(seed, ok && inputs > 0 ? inputs : MonkeyRun::kFullRun).exec();
  if (!failure.isEmpty()) {
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(failure));
    return 1;
  }
  return 0;
}

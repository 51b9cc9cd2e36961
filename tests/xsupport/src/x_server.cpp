#include "xsupport/x_server.h"

#include <cstdlib>
#include <thread>

namespace xsupport {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(15);

}  // namespace

std::string XServer::start(int width, int height) {
  const std::string xvfb = findProgram("Xvfb");
  if (xvfb.empty()) {
    return "Xvfb is not on PATH";
  }
  // Xvfb picks a free display and writes its number and a line break to its standard output
  // once it takes connections; it writes nothing else there.
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  if (!server_.start(
          {xvfb, "-displayfd", "1", "-screen", "0", screen, "-br", "-nolisten", "tcp", "-noreset"},
          {.captureOutput = true, .logFd = ChildProcess::kDiscard})) {
    return "could not start Xvfb";
  }
  const std::string& number = server_.result().output;
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (number.find('\n') == std::string::npos && !server_.poll() &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (number.find('\n') == std::string::npos) {
    server_.stop();
    return "Xvfb named no display";
  }
  display_ = ":" + number.substr(0, number.find('\n'));
  return {};
}

void XServer::useForPrograms() const {
  ::setenv("DISPLAY", display_.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  ::unsetenv("WAYLAND_DISPLAY");
  ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace xsupport

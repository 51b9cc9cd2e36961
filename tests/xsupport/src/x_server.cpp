#include "xsupport/x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "xsupport/program_path.h"

namespace xsupport {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(15);

}  // namespace

std::string XServer::start(int width, int height) {
  const std::string xvfb = findProgram("Xvfb");
  if (xvfb.empty()) {
    return "Xvfb is not on PATH";
  }
  // Xvfb picks a free display and writes its number and a line break to this descriptor
  // once it takes connections.
  int channel[2];
  if (::pipe2(channel, O_CLOEXEC) != 0) {
    return "could not make a pipe for the display number";
  }
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  const bool started = server_.start({xvfb, "-displayfd", std::to_string(channel[1]), "-screen",
                                      "0", screen, "-br", "-nolisten", "tcp", "-noreset"},
                                     {.logFd = ChildProcess::kDiscard, .keptFd = channel[1]});
  ::close(channel[1]);
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (started && number.find('\n') == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    pollfd readable{channel[0], POLLIN, 0};
    const int ready = ::poll(&readable, 1, 100);
    if (ready < 0 && errno != EINTR) {
      break;
    }
    char buffer[16];
    const ssize_t count = ready > 0 ? ::read(channel[0], buffer, sizeof buffer) : -1;
    if (ready > 0 && count <= 0) {
      break;  // the server ended without naming a display
    }
    if (count > 0) {
      number.append(buffer, static_cast<std::size_t>(count));
    }
  }
  ::close(channel[0]);
  if (number.find('\n') == std::string::npos) {
    server_.stop();
    return started ? "Xvfb named no display" : "could not start Xvfb";
  }
  number.erase(number.find('\n'));
  display_ = ":" + number;
  return {};
}

void XServer::useForPrograms() const {
  ::setenv("DISPLAY", display_.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  ::unsetenv("WAYLAND_DISPLAY");
  ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace xsupport

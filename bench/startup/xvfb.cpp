#include "xvfb.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <stdexcept>

#include "clock.h"
#include "process_stats.h"

namespace startup_bench {

Xvfb::Xvfb(const std::string& path) {
  int fds[2];
  if (pipe(fds) != 0) {
    throw std::runtime_error("pipe failed");
  }
  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ < 0) {
    throw std::runtime_error("fork failed");
  }
  if (pid_ == 0) {
    dieWithParent(parent, SIGTERM);
    close(fds[0]);
    const int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, STDIN_FILENO);
    dup2(devnull, STDOUT_FILENO);
    dup2(devnull, STDERR_FILENO);
    const std::string fd = std::to_string(fds[1]);
    execlp(path.c_str(), path.c_str(), "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
           "-br", "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  gXvfbPid = pid_;
  close(fds[1]);
  // Xvfb writes its display number to the pipe once it accepts clients.
  std::string number;
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
  while (number.find('\n') == std::string::npos) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd waiting{fds[0], POLLIN, 0};
    if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
      close(fds[0]);
      throw std::runtime_error("Xvfb did not start within 10 s (is '" + path + "' installed?)");
    }
    char buffer[32];
    const ssize_t got = read(fds[0], buffer, sizeof buffer);
    if (got <= 0) {
      close(fds[0]);
      throw std::runtime_error("Xvfb exited before accepting clients (is '" + path +
                               "' installed?)");
    }
    number.append(buffer, static_cast<std::size_t>(got));
  }
  close(fds[0]);
  // Not ":" + number.substr(...): GCC 12 flags that with a false -Wrestrict.
  number.erase(number.find('\n'));
  display_ = ":" + number;
}

Xvfb::~Xvfb() {
  stopProcess(pid_, SIGTERM, std::chrono::seconds(3));
  gXvfbPid = 0;
}

}  // namespace startup_bench

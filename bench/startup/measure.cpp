#include "measure.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <thread>
#include <tuple>

#include "clock.h"
#include "map_watcher.h"

namespace startup_bench {

namespace {

/// The last part of what the programs wrote to `output` since the run began.
std::string tail(int output) {
  std::string text;
  char buffer[4096];
  off_t offset = 0;
  ssize_t got = 0;
  while ((got = pread(output, buffer, sizeof buffer, offset)) > 0) {
    text.append(buffer, static_cast<std::size_t>(got));
    offset += got;
  }
  if (text.size() > 2000) {
    text = "..." + text.substr(text.size() - 2000);
  }
  return text;
}

}  // namespace

Run measure(Watcher& watcher, const std::string& path, const Options& options, int output) {
  watcher.drain();
  if (ftruncate(output, 0) != 0) {
    throw std::runtime_error("cannot empty the log of the programs' output");
  }
  const pid_t parent = getpid();
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    throw std::runtime_error("fork failed");
  }
  if (pid == 0) {
    dieWithParent(parent, SIGKILL);
    const int devnull = open("/dev/null", O_RDONLY);
    dup2(devnull, STDIN_FILENO);
    dup2(output, STDOUT_FILENO);
    dup2(output, STDERR_FILENO);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    std::perror(path.c_str());
    _exit(127);
  }
  gRunPid = pid;

  const auto mapped =
      watcher.waitForMap(pid, start + std::chrono::milliseconds(options.mapTimeoutMs));
  if (!mapped) {
    stopProcess(pid, SIGKILL, std::chrono::seconds(1));
    gRunPid = 0;
    throw std::runtime_error(path + " mapped no window within " +
                             std::to_string(options.mapTimeoutMs) + " ms or exited; its output:\n" +
                             tail(output));
  }
  Run run;
  run.cpuMs = cpuMs(pid);
  run.startupMs = millisecondsSince(start, mapped->first);
  const Clock::time_point settled = mapped->first + std::chrono::milliseconds(options.settleMs);
  const std::optional<Clock::time_point> drawn = watcher.waitForDrawn(
      mapped->second, std::max(settled, mapped->first + std::chrono::seconds(1)));
  run.drawnMs = drawn ? millisecondsSince(start, *drawn) : std::nan("");
  run.title = watcher.title(mapped->second);
  std::tie(run.width, run.height) = watcher.size(mapped->second);

  std::this_thread::sleep_until(settled);
  const std::optional<Memory> memory = readMemory(pid);
  stopProcess(pid, SIGTERM, std::chrono::seconds(2));
  gRunPid = 0;
  if (!memory) {
    throw std::runtime_error(path + " exited before its memory was read; its output:\n" +
                             tail(output));
  }
  run.memory = *memory;
  // Let the server finish with the closed connection before the next run starts.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return run;
}

}  // namespace startup_bench

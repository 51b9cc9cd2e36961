#include "process_stats.h"

#include <dirent.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "clock.h"

namespace startup_bench {

volatile sig_atomic_t gXvfbPid = 0;
volatile sig_atomic_t gRunPid = 0;

void onSignal(int signal) {
  if (gRunPid > 0) {
    kill(static_cast<pid_t>(gRunPid), SIGKILL);
  }
  if (gXvfbPid > 0) {
    kill(static_cast<pid_t>(gXvfbPid), SIGTERM);
  }
  _exit(128 + signal);
}

void dieWithParent(pid_t parent, int signal) {
  prctl(PR_SET_PDEATHSIG, signal);
  if (getppid() != parent) {
    _exit(127);
  }
}

void stopProcess(pid_t pid, int signal, std::chrono::milliseconds grace) {
  kill(pid, signal);
  const Clock::time_point deadline = Clock::now() + grace;
  while (Clock::now() < deadline) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

std::optional<Memory> readMemory(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  if (!status) {
    return std::nullopt;
  }
  Memory memory;
  bool found = false;
  std::string line;
  while (std::getline(status, line)) {
    std::istringstream fields(line);
    std::string key;
    long kb = 0;
    fields >> key >> kb;
    if (key == "VmRSS:") {
      memory.rssKb = kb;
      found = true;
    } else if (key == "RssAnon:") {
      memory.anonKb = kb;
    } else if (key == "RssFile:") {
      memory.fileKb = kb;
    } else if (key == "RssShmem:") {
      memory.shmemKb = kb;
    }
  }
  if (!found) {
    return std::nullopt;
  }
  return memory;
}

double cpuMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* directory = opendir(tasks.c_str());
  if (directory == nullptr) {
    return std::nan("");
  }
  double total = 0;
  while (const dirent* entry = readdir(directory)) {
    if (entry->d_name[0] == '.') {
      continue;
    }
    std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
    double nanoseconds = 0;
    if (schedstat >> nanoseconds) {
      total += nanoseconds;
    }
  }
  closedir(directory);
  return total / 1e6;
}

}  // namespace startup_bench

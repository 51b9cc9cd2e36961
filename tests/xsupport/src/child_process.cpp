#include "xsupport/child_process.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <thread>

namespace xsupport {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPollInterval = std::chrono::milliseconds(2);

// Runs in the child of vfork, in the caller's memory until exec: plain system calls only.
[[noreturn]] void execChild(pid_t parent, char* const* argv, int logFd, int outputFd) {
  // SIGTERM rather than SIGKILL, so that an X server still removes its lock file.
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (::getppid() != parent) {
    ::_exit(126);
  }
  const int nowhere = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  ::dup2(nowhere, STDIN_FILENO);
  const int log = logFd == ChildProcess::kDiscard ? nowhere : logFd;
  if (log >= 0) {
    ::dup2(log, STDOUT_FILENO);
    ::dup2(log, STDERR_FILENO);
  }
  if (outputFd >= 0) {
    ::dup2(outputFd, STDOUT_FILENO);
  }
  ::execv(argv[0], argv);
  ::_exit(127);
}

}  // namespace

ChildProcess::~ChildProcess() {
  stop();
}

bool ChildProcess::start(const std::vector<std::string>& argv, const Options& options) {
  stop();
  result_ = {};
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& arg : argv) {
    args.push_back(const_cast<char*>(arg.c_str()));
  }
  args.push_back(nullptr);
  int pipe[2] = {-1, -1};
  if (argv.empty() || (options.captureOutput && ::pipe2(pipe, O_CLOEXEC) != 0)) {
    return false;
  }
  const pid_t parent = ::getpid();
  // vfork: the caller may be a large process (the monkey runs a whole window), whose memory
  // fork would copy for nothing; the child only sets up descriptors and execs.
  pid_ = ::vfork();
  if (pid_ == 0) {
    execChild(parent, args.data(), options.logFd, pipe[1]);
  }
  if (pipe[1] >= 0) {
    ::close(pipe[1]);
  }
  outputFd_ = pipe[0];
  if (outputFd_ >= 0) {
    ::fcntl(outputFd_, F_SETFL, O_NONBLOCK);
  }
  if (pid_ < 0) {
    closeOutput();
    return false;
  }
  return true;
}

void ChildProcess::readOutput() {
  char buffer[4096];
  ssize_t count = 0;
  while (outputFd_ >= 0 && (count = ::read(outputFd_, buffer, sizeof buffer)) > 0) {
    result_.output.append(buffer, static_cast<std::size_t>(count));
  }
  if (count == 0) {
    closeOutput();  // the end of the output: the program closed it or ended
  }
}

void ChildProcess::closeOutput() {
  if (outputFd_ >= 0) {
    ::close(outputFd_);
    outputFd_ = -1;
  }
}

bool ChildProcess::poll() {
  if (pid_ <= 0) {
    return true;
  }
  readOutput();
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) != pid_) {
    return false;
  }
  readOutput();  // what it wrote just before it ended
  closeOutput();
  pid_ = -1;
  result_.finished = true;
  result_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return true;
}

void ChildProcess::stop(std::chrono::milliseconds grace) {
  if (poll()) {
    return;
  }
  ::kill(pid_, SIGTERM);
  const auto deadline = Clock::now() + grace;
  while (Clock::now() < deadline) {
    if (poll()) {
      result_.finished = false;  // ended only because it was told to
      return;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
  closeOutput();
  result_.finished = false;
}

ProgramResult runProgram(const std::vector<std::string>& argv, std::chrono::milliseconds timeout,
                         int errorFd) {
  ChildProcess child;
  if (!child.start(argv, {.captureOutput = true, .logFd = errorFd})) {
    return {};
  }
  const auto deadline = Clock::now() + timeout;
  while (!child.poll() && Clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
  }
  child.stop();
  return child.result();
}

std::string findProgram(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!dirs.empty()) {
    const std::size_t colon = dirs.find(':');
    std::string candidate(dirs.substr(0, colon));
    candidate.append("/").append(name);
    if (::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    dirs.remove_prefix(colon == std::string_view::npos ? dirs.size() : colon + 1);
  }
  return {};
}

std::string missingPrograms(std::initializer_list<std::string_view> names) {
  std::string missing;
  for (const std::string_view name : names) {
    if (findProgram(name).empty()) {
      missing.append(missing.empty() ? "" : ", ").append(name);
    }
  }
  return missing;
}

}  // namespace xsupport

#pragma once

#include <sys/types.h>

#include <chrono>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace xsupport {

/// How a started program ended: its exit code and, when it was captured, its standard output.
struct ProgramResult {
  bool finished = false;  // false when it could not start or was stopped at its time-out
  int exitCode = -1;      // -1 unless it exited by itself
  std::string output;

  /// Whether it ran to its end and exited with 0.
  bool ok() const { return finished && exitCode == 0; }
};

/// A program started with vfork and exec that dies with the process that started it, however
/// that process ends (a crash, a time-out's SIGKILL), and is stopped at the latest when the
/// object goes away. It can be polled from an event loop that must not block.
class ChildProcess {
 public:
  /// A descriptor for `Options::logFd` that sends the output nowhere.
  static constexpr int kDiscard = -2;

  struct Options {
    bool captureOutput = false;  // standard output to result().output, overriding logFd
    int logFd = -1;              // standard output and error here; -1: the caller's
  };

  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  /// Starts `argv[0]`, a full path, with the caller's environment; false when it cannot.
  bool start(const std::vector<std::string>& argv, const Options& options);
  bool start(const std::vector<std::string>& argv) { return start(argv, Options{}); }

  /// Process id; -1 before start and once the program is reaped.
  pid_t pid() const { return pid_; }

  /// Reads the output that is there and reaps the program if it ended. True once it ended.
  bool poll();

  /// How it ended so far; final once poll() returned true.
  const ProgramResult& result() const { return result_; }

  /// Sends SIGTERM, and SIGKILL if the program still runs after `grace`; reaps it.
  void stop(std::chrono::milliseconds grace = std::chrono::seconds(2));

 private:
  void readOutput();
  void closeOutput();

  pid_t pid_ = -1;
  int outputFd_ = -1;
  ProgramResult result_;
};

/// Runs a program to its end, at most `timeout`, its standard output captured and its standard
/// error sent to `errorFd` (-1: the caller's, ChildProcess::kDiscard: nowhere).
ProgramResult runProgram(const std::vector<std::string>& argv, std::chrono::milliseconds timeout,
                         int errorFd = -1);

/// Full path of the program `name` on PATH, or an empty text when it is not there.
std::string findProgram(std::string_view name);

/// The programs of `names` that are not on PATH, as "xdotool, xclip"; empty when all are.
std::string missingPrograms(std::initializer_list<std::string_view> names);

}  // namespace xsupport

#pragma once

#include <sys/types.h>

#include <chrono>
#include <csignal>
#include <optional>

namespace startup_bench {

/// Processes to end when the benchmark is interrupted; read by the signal handler.
extern volatile sig_atomic_t gXvfbPid;
extern volatile sig_atomic_t gRunPid;

/// The handler for SIGINT, SIGTERM and SIGHUP: ends the processes above and exits with
/// 128 + `signal`.
void onSignal(int signal);

/// Called in a child after fork(): makes it receive `signal` when the benchmark dies, even when
/// the benchmark is killed.
void dieWithParent(pid_t parent, int signal);

/// Sends `signal` to `pid` and reaps it; SIGKILL follows if it is still running after `grace`.
void stopProcess(pid_t pid, int signal, std::chrono::milliseconds grace);

/// Resident memory in kB, as /proc/PID/status gives it.
struct Memory {
  long rssKb = 0;
  long anonKb = 0;
  long fileKb = 0;
  long shmemKb = 0;
};

/// The resident memory of `pid`, or nothing when the process is gone.
std::optional<Memory> readMemory(pid_t pid);

/// CPU time, in milliseconds, that all threads of `pid` have used so far; NaN when the process
/// is gone.
double cpuMs(pid_t pid);

}  // namespace startup_bench

// startup-bench: start-up time and resident memory of normal-forms beside the toolkit's floor.
//
// Starts a private Xvfb (no window manager, black root), then runs the two programs in
// interleaved pairs, the order alternating from pair to pair, after one warm-up pair that is not
// counted. For every run it records:
//   mapped  the time from fork() to the X server reporting the program's top-level window
//           mapped: this client selects SubstructureNotify on the root window and takes the
//           first MapNotify of a window whose _NET_WM_PID is the program's;
//   cpu     the CPU time all the program's threads had used when that notification arrived
//           (from /proc/PID/task/*/schedstat), which a busy machine disturbs less;
//   drawn   the time from fork() to the window's first frame: the first moment its pixel (1, 1)
//           is no longer the black of the bare root, polled every millisecond;
//   VmRSS   resident memory from /proc/PID/status one second after the mapping.
// Then the program is terminated. Prints every run, the medians and the ratios normal-forms /
// floor; the goals are on the mapped time and on VmRSS.
//
// Exit status: 0 when every run was measured (with --check: and both goals are met),
// 1 when a goal is missed under --check, 2 when the measurement itself failed.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "clock.h"
#include "map_watcher.h"
#include "measure.h"
#include "options.h"
#include "process_stats.h"
#include "xvfb.h"

namespace startup_bench {

namespace {

constexpr const char* kTitle = "www.example.org Информатика - булеви функции, ДНФ и КНФ";

/// Median of the measured values; runs without a value (NaN) are left out.
template <typename T>
double median(std::vector<T> values) {
  values.erase(std::remove_if(values.begin(), values.end(),
                              [](T value) { return std::isnan(static_cast<double>(value)); }),
               values.end());
  if (values.empty()) {
    return std::nan("");
  }
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) {
    return static_cast<double>(values[middle]);
  }
  return (static_cast<double>(values[middle - 1]) + static_cast<double>(values[middle])) / 2.0;
}

struct Series {
  std::string name;
  std::vector<double> startupMs;
  std::vector<double> cpuMs;
  std::vector<double> drawnMs;
  std::vector<long> rssKb;
  std::vector<long> anonKb;
  std::vector<long> fileKb;
  std::vector<long> shmemKb;

  void add(const Run& run) {
    startupMs.push_back(run.startupMs);
    cpuMs.push_back(run.cpuMs);
    drawnMs.push_back(run.drawnMs);
    rssKb.push_back(run.memory.rssKb);
    anonKb.push_back(run.memory.anonKb);
    fileKb.push_back(run.memory.fileKb);
    shmemKb.push_back(run.memory.shmemKb);
  }
};

std::string baseName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void printRun(const Run& run) {
  std::printf("  %7.1f %7.1f %7.1f %9ld", run.startupMs, run.cpuMs, run.drawnMs, run.memory.rssKb);
}

void printMedians(const char* what, const std::vector<double>& program,
                  const std::vector<double>& floor, const char* format) {
  const double a = median(program);
  const double b = median(floor);
  std::printf("  %-16s", what);
  std::printf(format, a);
  std::printf(format, b);
  std::printf("   %6.3f\n", a / b);
}

template <typename T>
std::vector<double> asDouble(const std::vector<T>& values) {
  return {values.begin(), values.end()};
}

int benchmark(const Options& options) {
  for (const std::string& path : {options.program, options.floor}) {
    if (access(path.c_str(), X_OK) != 0) {
      std::fprintf(stderr, "startup-bench: %s is not an executable (build it first)\n",
                   path.c_str());
      return 2;
    }
  }
  // The programs' own output, kept to explain a failed run: a file without a name, so that
  // nothing is left behind however the benchmark ends.
  char logTemplate[] = "/tmp/startup-bench-XXXXXX";
  const int output = mkstemp(logTemplate);
  if (output < 0) {
    std::perror("startup-bench: mkstemp");
    return 2;
  }
  unlink(logTemplate);
  fcntl(output, F_SETFL, O_APPEND);
  fcntl(output, F_SETFD, FD_CLOEXEC);

  const Clock::time_point began = Clock::now();
  const Clock::time_point budget = began + std::chrono::seconds(options.budgetS);
  int status = 0;
  try {
    Xvfb xvfb(options.xvfb);
    setenv("DISPLAY", xvfb.display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    Watcher watcher(xvfb.display());

    Series program{baseName(options.program), {}, {}, {}, {}, {}, {}, {}};
    Series floor{baseName(options.floor), {}, {}, {}, {}, {}, {}, {}};
    std::printf(
        "startup-bench: Xvfb %s, no window manager; %d pairs after %d warm-up pair(s);"
        " memory read %d ms after mapping\n",
        xvfb.display().c_str(), options.pairs, options.warmupPairs, options.settleMs);
    std::printf("  program: %s\n  floor:   %s\n", options.program.c_str(), options.floor.c_str());
    std::printf(
        "  times in ms from fork(): mapped = MapNotify, drawn = first frame;"
        " cpu = CPU ms used when mapped\n\n");
    std::printf("%-5s %-5s  %-34s  %-34s\n", "", "", program.name.c_str(), floor.name.c_str());
    std::printf("%-5s %-5s", "pair", "first");
    for (int i = 0; i < 2; ++i) {
      std::printf("  %7s %7s %7s %9s", "mapped", "cpu", "drawn", "VmRSS kB");
    }
    std::printf("\n");

    for (int pair = -options.warmupPairs; pair < options.pairs; ++pair) {
      if (Clock::now() > budget) {
        throw std::runtime_error("the time budget of " + std::to_string(options.budgetS) +
                                 " s ran out; use fewer --pairs or a larger --budget-s");
      }
      const bool programFirst = (pair + options.warmupPairs) % 2 == 0;
      Run programRun;
      Run floorRun;
      if (programFirst) {
        programRun = measure(watcher, options.program, options, output);
        floorRun = measure(watcher, options.floor, options, output);
      } else {
        floorRun = measure(watcher, options.floor, options, output);
        programRun = measure(watcher, options.program, options, output);
      }
      const std::string label = pair < 0 ? "warm" : std::to_string(pair + 1);
      std::printf("%-5s %-5s", label.c_str(), programFirst ? "prog" : "floor");
      printRun(programRun);
      printRun(floorRun);
      std::printf("\n");
      std::fflush(stdout);
      if (pair == 0) {
        const bool titled = programRun.title == kTitle && floorRun.title == kTitle;
        std::printf("      windows: %dx%d and %dx%d, both titled as the program: %s\n",
                    programRun.width, programRun.height, floorRun.width, floorRun.height,
                    titled ? "yes" : "NO");
        if (!titled) {
          std::fprintf(stderr, "startup-bench: warning: the windows are titled \"%s\" and \"%s\"\n",
                       programRun.title.c_str(), floorRun.title.c_str());
        }
      }
      if (pair >= 0) {
        program.add(programRun);
        floor.add(floorRun);
      }
    }

    std::printf("\nmedians over %d pairs %14s %14s    ratio\n", options.pairs, program.name.c_str(),
                floor.name.c_str());
    printMedians("mapped (ms)", program.startupMs, floor.startupMs, " %14.1f");
    printMedians("cpu (ms)", program.cpuMs, floor.cpuMs, " %14.1f");
    printMedians("drawn (ms)", program.drawnMs, floor.drawnMs, " %14.1f");
    printMedians("VmRSS (kB)", asDouble(program.rssKb), asDouble(floor.rssKb), " %14.0f");
    printMedians("  RssAnon (kB)", asDouble(program.anonKb), asDouble(floor.anonKb), " %14.0f");
    printMedians("  RssFile (kB)", asDouble(program.fileKb), asDouble(floor.fileKb), " %14.0f");
    printMedians("  RssShmem (kB)", asDouble(program.shmemKb), asDouble(floor.shmemKb), " %14.0f");

    // The ratio within each pair cancels slow changes in the machine's load; its median shows
    // how far the ratio of the medians can be trusted.
    std::vector<double> pairRatios;
    for (std::size_t i = 0; i < program.startupMs.size(); ++i) {
      pairRatios.push_back(program.startupMs[i] / floor.startupMs[i]);
    }
    const auto [least, most] = std::minmax_element(pairRatios.begin(), pairRatios.end());
    std::printf("  mapped ratio within a pair: median %.3f, from %.3f to %.3f\n",
                median(pairRatios), *least, *most);

    const double startupRatio = median(program.startupMs) / median(floor.startupMs);
    const double memoryRatio = median(program.rssKb) / median(floor.rssKb);
    const bool startupMet = startupRatio <= kStartupGoal;
    const bool memoryMet = memoryRatio <= kMemoryGoal;
    std::printf("\nstart-up ratio %.3f (goal <= %.2f): %s\n", startupRatio, kStartupGoal,
                startupMet ? "met" : "MISSED");
    std::printf("memory ratio   %.3f (goal <= %.2f): %s\n", memoryRatio, kMemoryGoal,
                memoryMet ? "met" : "MISSED");
    std::printf("(%.1f s in all)\n", millisecondsSince(began, Clock::now()) / 1000.0);
    if (options.check && !(startupMet && memoryMet)) {
      status = 1;
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup-bench: %s\n", error.what());
    status = 2;
  }
  close(output);
  return status;
}

}  // namespace

}  // namespace startup_bench

int main(int argc, char* argv[]) {
  const startup_bench::Options options = startup_bench::parseOptions(argc, argv);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    std::signal(signal, startup_bench::onSignal);
  }
  std::signal(SIGPIPE, SIG_IGN);
  return startup_bench::benchmark(options);
}

// startup-bench: how soon a user sees normal-forms' window complete, and its resident memory,
// beside the toolkit's floor (bench/floor).
//
// Starts a private Xvfb (no window manager, black root), then runs the two programs in
// interleaved pairs, the order alternating from pair to pair, after warm-up pairs that are not
// counted. For every run, in milliseconds from the start of the process:
//   mapped    the X server reports the program's top-level window mapped (MapNotify);
//   first     the window first shows anything but black;
//   complete  the window first shows the frame it settles on, all its controls drawn (see
//             frame_watcher.cpp);
// and VmRSS from /proc/PID/status once the settling time after mapping is over. Prints every
// run, the medians and the ratios normal-forms / floor; the goals are on `complete` and VmRSS.
//
// Exit status: 0 when every run was measured (with --check: and both goals are met), 1 when a
// goal is missed under --check, 2 when the measurement itself failed.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "frame_watcher.h"
#include "window/layout.h"
#include "xsupport/child_process.h"
#include "xsupport/x_server.h"

namespace startup_bench {
namespace {

constexpr double kCompleteGoal = 1.15;
constexpr double kMemoryGoal = 1.10;
constexpr auto kMapTimeout = std::chrono::seconds(15);

struct Options {
  std::string program = NF_PROGRAM_PATH;
  std::string floor = NF_FLOOR_PATH;
  int pairs = 15;
  int warmupPairs = 1;
  int settleMs = 1000;
  bool check = false;
};

[[noreturn]] void usage(int status) {
  std::fprintf(status == 0 ? stdout : stderr,
               "usage: startup-bench [--pairs N] [--warmup N] [--settle-ms MS] [--program PATH]\n"
               "                     [--floor PATH] [--check]\n"
               "Times normal-forms and the toolkit's floor from start to the window complete,\n"
               "under a private Xvfb, in N interleaved pairs (default 15), and reads their\n"
               "resident memory MS after mapping (default 1000, at least 500). --check fails\n"
               "when the complete-frame ratio > %.2f or the memory ratio > %.2f.\n",
               kCompleteGoal, kMemoryGoal);
  std::exit(status);
}

Options parseOptions(int argc, char* argv[]) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        usage(2);
      }
      return argv[++i];
    };
    const auto number = [&](int least) {
      const std::string text = value();
      char* end = nullptr;
      const long parsed = std::strtol(text.c_str(), &end, 10);
      if (*end != '\0' || text.empty() || parsed < least || parsed > 100000) {
        std::fprintf(stderr, "startup-bench: bad number '%s' for %s\n", text.c_str(), arg.c_str());
        usage(2);
      }
      return static_cast<int>(parsed);
    };
    if (arg == "--pairs") {
      options.pairs = number(1);
    } else if (arg == "--warmup") {
      options.warmupPairs = number(0);
    } else if (arg == "--settle-ms") {
      options.settleMs = number(500);
    } else if (arg == "--program") {
      options.program = value();
    } else if (arg == "--floor") {
      options.floor = value();
    } else if (arg == "--check") {
      options.check = true;
    } else {
      usage(arg == "--help" || arg == "-h" ? 0 : 2);
    }
  }
  return options;
}

/// What one start of one program showed: times in ms, memory in kB.
struct Run {
  double mapped = 0;
  double first = 0;
  double complete = 0;
  double frames = 0;
  double rss = std::nan("");
  double anon = std::nan("");
  double file = std::nan("");
  std::string title{};
  std::pair<int, int> size{};
};

double msSince(Clock::time_point start, const std::optional<Clock::time_point>& end) {
  return end ? std::chrono::duration<double, std::milli>(*end - start).count() : std::nan("");
}

void readMemory(pid_t pid, Run& run) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    std::istringstream fields(line);
    std::string key;
    double kb = 0;
    fields >> key >> kb;
    double* field = key == "VmRSS:"     ? &run.rss
                    : key == "RssAnon:" ? &run.anon
                    : key == "RssFile:" ? &run.file
                                        : nullptr;
    if (field != nullptr) {
      *field = kb;
    }
  }
}

/// Starts `path`, watches its window until the settling time is over, reads its memory and
/// ends it. Its output goes to `log`, which a failure quotes.
Run measure(FrameWatcher& watcher, const std::string& path, const Options& options, int log) {
  const auto failure = [&](const std::string& what) {
    std::string text(4096, '\0');
    text.resize(static_cast<std::size_t>(std::max<ssize_t>(0, pread(log, text.data(), 4096, 0))));
    return std::runtime_error(path + " " + what + "; its output:\n" + text);
  };
  watcher.drain();
  if (ftruncate(log, 0) != 0) {
    throw std::runtime_error("cannot empty the log of the programs' output");
  }
  xsupport::ChildProcess program;
  const Clock::time_point start = Clock::now();
  if (!program.start({path}, {.logFd = log})) {
    throw failure("could not start");
  }
  const auto mapped = watcher.waitForMap(program.pid(), start + kMapTimeout);
  if (!mapped) {
    throw failure("mapped no window or ended");
  }
  const auto frames =
      watcher.watchFrames(mapped->window, mapped->at + std::chrono::milliseconds(options.settleMs));
  Run run{.mapped = msSince(start, mapped->at),
          .first = msSince(start, frames.first),
          .complete = msSince(start, frames.complete),
          .frames = static_cast<double>(frames.changes)};
  readMemory(program.pid(), run);
  run.title = watcher.title(mapped->window);
  run.size = watcher.size(mapped->window);
  if (program.poll() || std::isnan(run.rss)) {
    throw failure("ended before its memory was read");
  }
  program.stop();
  // Let the server finish with the closed connection before the next run starts.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return run;
}

double median(std::vector<double> values) {
  std::erase_if(values, [](double value) { return std::isnan(value); });
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? std::nan("") : (values[(n - 1) / 2] + values[n / 2]) / 2.0;
}

double median(const std::vector<Run>& runs, double Run::*column) {
  std::vector<double> values;
  values.reserve(runs.size());
  for (const Run& run : runs) {
    values.push_back(run.*column);
  }
  return median(values);
}

void printRun(const Run& run) {
  std::printf("  %7.1f %7.1f %8.1f %6.0f %9.0f", run.mapped, run.first, run.complete, run.frames,
              run.rss);
}

/// Prints both medians of `column` and their ratio; returns the ratio.
double printMedians(const char* what, const std::vector<Run>& program,
                    const std::vector<Run>& floor, double Run::*column) {
  const double a = median(program, column);
  const double b = median(floor, column);
  std::printf("  %-16s %14.1f %14.1f   %6.3f\n", what, a, b, a / b);
  return a / b;
}

/// Runs the pairs and prints everything; returns whether both goals are met.
bool compare(const Options& options, FrameWatcher& watcher, int log) {
  std::printf("%-11s  %-41s  %-41s\n", "", "normal-forms", "floor");
  std::printf("%-5s %-5s", "pair", "order");
  for (int i = 0; i < 2; ++i) {
    std::printf("  %7s %7s %8s %6s %9s", "mapped", "first", "complete", "frames", "VmRSS kB");
  }
  std::printf("\n");
  std::vector<Run> program;
  std::vector<Run> floor;
  for (int pair = -options.warmupPairs; pair < options.pairs; ++pair) {
    const bool programFirst = (pair + options.warmupPairs) % 2 == 0;
    const Run a = measure(watcher, programFirst ? options.program : options.floor, options, log);
    const Run b = measure(watcher, programFirst ? options.floor : options.program, options, log);
    const Run& programRun = programFirst ? a : b;
    const Run& floorRun = programFirst ? b : a;
    std::printf("%-5s %-5s", pair < 0 ? "warm" : std::to_string(pair + 1).c_str(),
                programFirst ? "prog" : "floor");
    printRun(programRun);
    printRun(floorRun);
    std::printf("\n");
    std::fflush(stdout);
    if (programRun.title != nf::layout::kTitle || floorRun.title != programRun.title ||
        floorRun.size != programRun.size) {
      throw std::runtime_error("the two windows differ in title or size: \"" + programRun.title +
                               "\", \"" + floorRun.title + "\"");
    }
    if (pair >= 0) {
      program.push_back(programRun);
      floor.push_back(floorRun);
    }
  }

  std::printf("\nmedians over %d pairs %14s %14s    ratio\n", options.pairs, "normal-forms",
              "floor");
  printMedians("mapped (ms)", program, floor, &Run::mapped);
  printMedians("first (ms)", program, floor, &Run::first);
  const double complete = printMedians("complete (ms)", program, floor, &Run::complete);
  const double memory = printMedians("VmRSS (kB)", program, floor, &Run::rss);
  printMedians("  RssAnon (kB)", program, floor, &Run::anon);
  printMedians("  RssFile (kB)", program, floor, &Run::file);
  // The ratio within each pair cancels slow changes in the machine's load; its spread shows
  // how far the ratio of the medians can be trusted.
  std::vector<double> ratios;
  for (std::size_t i = 0; i < program.size(); ++i) {
    ratios.push_back(program[i].complete / floor[i].complete);
  }
  const auto [least, most] = std::minmax_element(ratios.begin(), ratios.end());
  std::printf("  complete ratio within a pair: median %.3f, from %.3f to %.3f\n", median(ratios),
              *least, *most);
  std::printf("\ncomplete-frame ratio %.3f (goal <= %.2f): %s\n", complete, kCompleteGoal,
              complete <= kCompleteGoal ? "met" : "MISSED");
  std::printf("memory ratio         %.3f (goal <= %.2f): %s\n", memory, kMemoryGoal,
              memory <= kMemoryGoal ? "met" : "MISSED");
  return complete <= kCompleteGoal && memory <= kMemoryGoal;
}

int benchmark(const Options& options) {
  for (const std::string& path : {options.program, options.floor}) {
    if (access(path.c_str(), X_OK) != 0) {
      std::fprintf(stderr, "startup-bench: %s is not an executable (build it first)\n",
                   path.c_str());
      return 2;
    }
  }
  // The programs' output: a file without a name, so that nothing is left behind.
  char logName[] = "/tmp/startup-bench-XXXXXX";
  const int log = mkostemp(logName, O_APPEND | O_CLOEXEC);
  if (log < 0) {
    std::perror("startup-bench: mkostemp");
    return 2;
  }
  unlink(logName);
  xsupport::XServer server;
  if (const std::string failed = server.start(); !failed.empty()) {
    std::fprintf(stderr, "startup-bench: %s\n", failed.c_str());
    return 2;
  }
  server.useForPrograms();
  const Clock::time_point began = Clock::now();
  int status = 0;
  try {
    FrameWatcher watcher(server.display());
    std::printf(
        "startup-bench: Xvfb %s, no window manager; %d pairs after %d warm-up pair(s); memory "
        "read %d ms after mapping\n  program: %s\n  floor:   %s\n  times in ms from the "
        "start of the process; frames: frames seen, each unlike the one before\n\n",
        server.display().c_str(), options.pairs, options.warmupPairs, options.settleMs,
        options.program.c_str(), options.floor.c_str());
    status = compare(options, watcher, log) || !options.check ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup-bench: %s\n", error.what());
    status = 2;
  }
  std::printf("(%.1f s in all)\n", msSince(began, Clock::now()) / 1000.0);
  close(log);
  return status;
}

}  // namespace
}  // namespace startup_bench

int main(int argc, char* argv[]) {
  return startup_bench::benchmark(startup_bench::parseOptions(argc, argv));
}

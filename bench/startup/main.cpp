// startup-bench [PAIRS]: how soon normal-forms' window is complete, and its resident memory,
// beside the toolkit's floor (bench/floor). bench/startup.sh builds and runs it.
//
// Starts a private Xvfb (no window manager, black root), then runs the two programs in PAIRS
// interleaved pairs (default 15), the order alternating from pair to pair, after one warm-up
// pair that is not counted. For every run: the time from the start of the process until the
// window first shows the frame it settles on, and VmRSS once the settling time after mapping is
// over. Prints every pair, the medians and the two ratios normal-forms / floor against their
// budgets. Exit status 0 when every run was measured, 2 when the measurement failed.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "xsupport/child_process.h"
#include "xsupport/x_server.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The budgets, the ratios to the floor not to pass, and the goal for the start.
constexpr double kCompleteBudget = 1.20;
constexpr double kCompleteGoal = 1.05;
constexpr double kMemoryBudget = 1.11;
// Long after start-up: the frame shown then is the one the window settled on, and the memory
// then is what the window costs while it waits for the user.
constexpr milliseconds kSettle{1000};
constexpr auto kMapTimeout = std::chrono::seconds(15);

/// What one start of one program showed.
struct Run {
  double completeMs = 0;
  double rssKb = 0;
  int width = 0;
  int height = 0;
};

// A window may be gone by the time it is read; that is no reason to stop.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
  return 0;
}

// The pixels of a rectangle of the window as one hash; 0 when they cannot be grabbed, and for
// black ones.
std::size_t grabHash(Display* display, Window window, int y, int width, int height) {
  XImage* image = XGetImage(display, window, 0, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) {
    return 0;
  }
  const std::string_view pixels(image->data, static_cast<std::size_t>(image->bytes_per_line) *
                                                 static_cast<std::size_t>(image->height));
  const bool black = std::all_of(pixels.begin(), pixels.end(), [](char c) { return c == 0; });
  const std::size_t hash = black ? 0 : std::hash<std::string_view>{}(pixels) | 1;
  XDestroyImage(image);
  return hash;
}

// Nothing else runs on the private server and no window manager maps frames of its own, so the
// first top-level window mapped after the start is the program's.
Window waitForMap(Display* display, xsupport::ChildProcess& program, Clock::time_point deadline) {
  while (Clock::now() < deadline && !program.poll()) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display) &&
          !event.xmap.override_redirect) {
        return event.xmap.window;
      }
    }
    pollfd waiting{ConnectionNumber(display), POLLIN, 0};
    poll(&waiting, 1, 50);
  }
  return None;
}

// When is the window complete, all its controls drawn? A known pixel of the control drawn last
// would have to be chosen anew for every change of the window and would say nothing about the
// floor. Instead the frame the window shows at `until`, long after start-up, is the complete
// one, and its time is when it first showed and stayed. A whole-window grab keeps the X server
// busy for about 5 ms, though, and grabbing every millisecond delayed the very paint being
// timed by some 12 ms. So until anything but black shows only one row of pixels is read, every
// millisecond; from then on the whole window every 10 ms. When the first whole grab already
// shows the final frame (the toolkit paints the whole window at once), its time is the row's.
std::optional<Clock::time_point> completeFrame(Display* display, Window window, int width,
                                               int height, Clock::time_point until) {
  std::optional<Clock::time_point> since;
  while (!since && Clock::now() < until) {
    if (grabHash(display, window, 1, width, 1) != 0) {
      since = Clock::now();
    } else {
      std::this_thread::sleep_for(milliseconds(1));
    }
  }
  std::optional<std::size_t> last;
  while (since && Clock::now() < until) {
    const std::size_t hash = grabHash(display, window, 0, width, height);
    if (last && hash != *last) {
      since = Clock::now();
    }
    last = hash;
    std::this_thread::sleep_for(milliseconds(10));
  }
  if (!last || *last == 0) {
    return std::nullopt;  // it ended black, or gone
  }
  return since;
}

double vmRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) {
      return std::strtod(line.c_str() + 6, nullptr);
    }
  }
  return 0;
}

/// Starts `path`, watches its window until the settling time is over, reads its memory and
/// ends it. Its output goes to `log`, which a failure quotes.
Run measure(Display* display, const std::string& path, int log) {
  const auto failure = [&](const std::string& what) {
    std::string text(4096, '\0');
    text.resize(static_cast<std::size_t>(std::max<ssize_t>(0, pread(log, text.data(), 4096, 0))));
    return std::runtime_error(path + " " + what + "; its output:\n" + text);
  };
  XSync(display, True);  // forget the notifications about earlier runs
  if (ftruncate(log, 0) != 0) {
    throw std::runtime_error("cannot empty the log of the programs' output");
  }
  xsupport::ChildProcess program;
  const Clock::time_point start = Clock::now();
  if (!program.start({path}, {.logFd = log})) {
    throw failure("could not start");
  }
  const Window window = waitForMap(display, program, start + kMapTimeout);
  if (window == None) {
    throw failure("mapped no window or ended");
  }
  const Clock::time_point settled = Clock::now() + kSettle;
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, window, &attributes);
  const auto complete =
      completeFrame(display, window, attributes.width, attributes.height, settled);
  if (!complete) {
    throw failure("showed no frame that stayed");
  }
  const Run run{.completeMs = std::chrono::duration<double, std::milli>(*complete - start).count(),
                .rssKb = vmRssKb(program.pid()),
                .width = attributes.width,
                .height = attributes.height};
  if (program.poll() || run.rssKb <= 0) {
    throw failure("ended before its memory was read");
  }
  program.stop();
  // Let the server finish with the closed connection before the next run starts.
  std::this_thread::sleep_for(milliseconds(100));
  return run;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return (values[(n - 1) / 2] + values[n / 2]) / 2.0;
}

/// Prints both medians of one measurement, their ratio, its budget and whether it is met, and
/// the goal where there is one (0: none).
void printMedians(const char* what, const std::vector<double>& program,
                  const std::vector<double>& floor, double budget, double goal) {
  const double a = median(program);
  const double b = median(floor);
  std::printf("%-15s %12.1f %9.1f %7.3f  budget <= %.2f: %s", what, a, b, a / b, budget,
              a / b <= budget ? "met" : "MISSED");
  if (goal > 0) {
    std::printf(" (goal %.2f)", goal);
  }
  std::printf("\n");
}

/// Runs the pairs and prints every one, the medians and the ratios.
void compare(Display* display, int pairs, int log) {
  std::printf("%-11s  %-21s  %s\n", "", "normal-forms", "floor");
  std::printf("%-5s %-5s  %s  %s\n", "pair", "first", "complete ms  VmRSS kB",
              "complete ms  VmRSS kB");
  std::vector<double> completeMs[2];  // normal-forms, floor
  std::vector<double> rssKb[2];
  for (int pair = -1; pair < pairs; ++pair) {
    const bool programFirst = (pair + 1) % 2 == 0;
    const Run a = measure(display, programFirst ? NF_PROGRAM_PATH : NF_FLOOR_PATH, log);
    const Run b = measure(display, programFirst ? NF_FLOOR_PATH : NF_PROGRAM_PATH, log);
    const Run runs[2] = {programFirst ? a : b, programFirst ? b : a};
    if (a.width != b.width || a.height != b.height) {
      const auto size = [](const Run& run) {
        return std::to_string(run.width) + " x " + std::to_string(run.height);
      };
      throw std::runtime_error("the two windows differ in size: normal-forms " + size(runs[0]) +
                               ", floor " + size(runs[1]));
    }
    std::printf("%-5s %-5s", pair < 0 ? "warm" : std::to_string(pair + 1).c_str(),
                programFirst ? "prog" : "floor");
    for (int i = 0; i < 2; ++i) {
      std::printf("  %11.1f %9.0f", runs[i].completeMs, runs[i].rssKb);
      if (pair >= 0) {
        completeMs[i].push_back(runs[i].completeMs);
        rssKb[i].push_back(runs[i].rssKb);
      }
    }
    std::printf("\n");
    std::fflush(stdout);
  }
  std::printf("\nmedians of %-4d %12s %9s %7s\n", pairs, "normal-forms", "floor", "ratio");
  printMedians("complete (ms)", completeMs[0], completeMs[1], kCompleteBudget, kCompleteGoal);
  printMedians("VmRSS (kB)", rssKb[0], rssKb[1], kMemoryBudget, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
  const int pairs = argc > 1 ? std::atoi(argv[1]) : 15;
  if (argc > 2 || pairs < 1) {
    std::fprintf(stderr, "usage: startup-bench [PAIRS]   (PAIRS >= 1, default 15)\n");
    return 2;
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
  Display* display = XOpenDisplay(server.display().c_str());
  if (display == nullptr) {
    std::fprintf(stderr, "startup-bench: cannot connect to %s\n", server.display().c_str());
    return 2;
  }
  XSetErrorHandler(ignoreXError);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::printf(
      "startup-bench: Xvfb %s, no window manager; one warm-up pair, then %d counted\n"
      "complete: ms from the start of the process to the frame the window settles on; VmRSS: "
      "%lld ms after mapping\n\n",
      server.display().c_str(), pairs, static_cast<long long>(kSettle.count()));
  int status = 0;
  try {
    compare(display, pairs, log);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup-bench: %s\n", error.what());
    status = 2;
  }
  XCloseDisplay(display);
  close(log);
  return status;
}

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

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

constexpr double kStartupGoal = 1.20;
constexpr double kMemoryGoal = 1.10;
constexpr const char* kTitle = "www.example.org Информатика - булеви функции, ДНФ и КНФ";

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start, Clock::time_point end) {
  return std::chrono::duration<double, std::milli>(end - start).count();
}

// Processes to end when the benchmark is interrupted; read by the signal handler.
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

struct Options {
  std::string program = NF_PROGRAM_PATH;
  std::string floor = NF_FLOOR_PATH;
  std::string xvfb = "Xvfb";
  int pairs = 15;
  int warmupPairs = 1;
  int settleMs = 1000;
  int mapTimeoutMs = 15000;
  int budgetS = 110;
  bool check = false;
};

[[noreturn]] void usage(int status) {
  std::fprintf(status == 0 ? stdout : stderr,
               "usage: startup-bench [--pairs N] [--warmup N] [--settle-ms MS] [--timeout-ms MS]\n"
               "                     [--budget-s S] [--program PATH] [--floor PATH] [--xvfb PATH]\n"
               "                     [--check]\n"
               "Times normal-forms and the toolkit's floor from start to window mapped, under\n"
               "a private Xvfb, in N interleaved pairs (default 15), and reads their resident\n"
               "memory MS after mapping (default 1000). --check fails when start-up ratio > %.2f\n"
               "or memory ratio > %.2f. The whole run stops after S seconds (default 110).\n",
               kStartupGoal, kMemoryGoal);
  std::exit(status);
}

Options parseOptions(int argc, char* argv[]) {
  Options options;
  const auto value = [&](int& i) -> std::string {
    if (i + 1 >= argc) {
      usage(2);
    }
    return argv[++i];
  };
  const auto number = [&](int& i, int least) {
    const std::string text = value(i);
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || parsed < least || parsed > 1000000) {
      std::fprintf(stderr, "startup-bench: bad number '%s' for %s\n", text.c_str(), argv[i - 1]);
      usage(2);
    }
    return static_cast<int>(parsed);
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--pairs") {
      options.pairs = number(i, 1);
    } else if (arg == "--warmup") {
      options.warmupPairs = number(i, 0);
    } else if (arg == "--settle-ms") {
      options.settleMs = number(i, 0);
    } else if (arg == "--timeout-ms") {
      options.mapTimeoutMs = number(i, 100);
    } else if (arg == "--budget-s") {
      options.budgetS = number(i, 1);
    } else if (arg == "--program") {
      options.program = value(i);
    } else if (arg == "--floor") {
      options.floor = value(i);
    } else if (arg == "--xvfb") {
      options.xvfb = value(i);
    } else if (arg == "--check") {
      options.check = true;
    } else if (arg == "--help" || arg == "-h") {
      usage(0);
    } else {
      std::fprintf(stderr, "startup-bench: unknown argument '%s'\n", arg.c_str());
      usage(2);
    }
  }
  return options;
}

// A child that dies with the benchmark, even when the benchmark is killed.
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

/// The private X server, stopped when this goes out of scope.
class Xvfb {
 public:
  explicit Xvfb(const std::string& path) {
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
    display_ = ":" + number.substr(0, number.find('\n'));
  }

  ~Xvfb() {
    stopProcess(pid_, SIGTERM, std::chrono::seconds(3));
    gXvfbPid = 0;
  }

  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

struct Memory {
  long rssKb = 0;
  long anonKb = 0;
  long fileKb = 0;
  long shmemKb = 0;
};

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

/// CPU time, in milliseconds, that all threads of `pid` have used so far.
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

struct Run {
  double startupMs = 0;
  double cpuMs = 0;
  double drawnMs = 0;
  Memory memory;
  std::string title;
  int width = 0;
  int height = 0;
};

// A window may be gone by the time its properties are read; that is no reason to stop.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
  return 0;
}

/// The X client that watches the root window for top-level windows being mapped.
class Watcher {
 public:
  explicit Watcher(const std::string& display) {
    display_ = XOpenDisplay(display.c_str());
    if (display_ == nullptr) {
      throw std::runtime_error("cannot connect to the X server at " + display);
    }
    XSetErrorHandler(ignoreXError);
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
    nameAtom_ = XInternAtom(display_, "_NET_WM_NAME", False);
    utf8Atom_ = XInternAtom(display_, "UTF8_STRING", False);
    XSync(display_, False);
  }

  ~Watcher() { XCloseDisplay(display_); }

  Watcher(const Watcher&) = delete;
  Watcher& operator=(const Watcher&) = delete;

  /// Forgets the notifications about earlier runs.
  void drain() {
    XSync(display_, False);
    XEvent event;
    while (XPending(display_) > 0) {
      XNextEvent(display_, &event);
    }
  }

  /// Waits until a top-level window of `pid` is mapped; returns the moment the notification
  /// arrived and the window, or nothing when `pid` exits or `deadline` passes first.
  std::optional<std::pair<Clock::time_point, Window>> waitForMap(pid_t pid,
                                                                 Clock::time_point deadline) {
    while (true) {
      while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        const Clock::time_point arrived = Clock::now();
        if (event.type != MapNotify || event.xmap.event != root_ || event.xmap.override_redirect) {
          continue;
        }
        const std::optional<long> owner = windowPid(event.xmap.window);
        if (!owner || *owner == pid) {
          return std::make_pair(arrived, event.xmap.window);
        }
      }
      if (waitpid(pid, nullptr, WNOHANG) == pid) {
        return std::nullopt;
      }
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) {
        return std::nullopt;
      }
      pollfd waiting{ConnectionNumber(display_), POLLIN, 0};
      poll(&waiting, 1, static_cast<int>(std::min<long>(left.count(), 50)));
    }
  }

  /// Waits until `window` shows its first frame, seen at its pixel (1, 1), which the bare
  /// black root leaves at 0; returns the moment, or nothing when `deadline` passes first.
  std::optional<Clock::time_point> waitForDrawn(Window window, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
      XImage* image = XGetImage(display_, window, 1, 1, 1, 1, AllPlanes, ZPixmap);
      const Clock::time_point seen = Clock::now();
      if (image != nullptr) {
        const unsigned long pixel = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        if (pixel != 0) {
          return seen;
        }
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
  }

  std::string title(Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display_, window, nameAtom_, 0, 1024, False, utf8Atom_, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
      if (type == utf8Atom_ && format == 8) {
        text.assign(reinterpret_cast<const char*>(data), count);
      }
      XFree(data);
    }
    return text;
  }

  std::pair<int, int> size(Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display_, window, &attributes) == 0) {
      return {0, 0};
    }
    return {attributes.width, attributes.height};
  }

 private:
  std::optional<long> windowPid(Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
      if (type == XA_CARDINAL && format == 32 && count == 1) {
        pid = *reinterpret_cast<const long*>(data);  // Xlib hands 32-bit items back as long
      }
      XFree(data);
    }
    return pid;
  }

  Display* display_ = nullptr;
  Window root_ = None;
  Atom pidAtom_ = None;
  Atom nameAtom_ = None;
  Atom utf8Atom_ = None;
};

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

/// Starts `path`, times it to its window mapped, reads its memory `settleMs` later, ends it.
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

int main(int argc, char* argv[]) {
  const Options options = parseOptions(argc, argv);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    std::signal(signal, onSignal);
  }
  std::signal(SIGPIPE, SIG_IGN);
  return benchmark(options);
}

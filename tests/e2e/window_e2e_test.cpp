// End-to-end test: the real program runs in a private X server (Xvfb, no window manager), gets
// real mouse clicks and key presses through xdotool, and its result box is read back the way a
// user would copy it: click, Ctrl+A, Ctrl+C, then the clipboard through xclip. What it shows is
// compared with the report the core builds for the same truth table.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/report.h"
#include "core/truth_table.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kStartTimeout = 10s;  // X server up, window mapped
constexpr auto kReadTimeout = 5s;    // clipboard holds the expected text
constexpr auto kStopTimeout = 2s;    // a child ends after SIGTERM
constexpr auto kPollInterval = 50ms;

// ---------------------------------------------------------------------------------------------
// Where the user clicks, in twips as the window is laid out (15 twips to a pixel).

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

constexpr int toPixels(int twips) {
  return (twips + 7) / 15;
}

struct Point {
  int x;
  int y;
};

// A point well inside a control, left of any scroll bar; in a one-item list, on that item.
constexpr Point pointIn(Twips place) {
  return {toPixels(place.left + place.width / 3), toPixels(place.top + place.height / 2)};
}

constexpr int kClientWidth = toPixels(7275);
constexpr int kClientHeight = toPixels(7155);
constexpr Twips kCountList = {120, 480, 735, 345};
constexpr Twips kKnfOption = {1800 + 1680, 0 + 120, 855, 285};  // inside the frame at (1800, 0)
constexpr Twips kResultBox = {120, 5640, 6975, 1455};

// Value selector of a row in the left column (rows 0 to 15).
constexpr Twips valueSelector(int row) {
  constexpr int kTops[16] = {480,  795,  1095, 1410, 1725, 2025, 2340, 2655,
                             2955, 3270, 3585, 3885, 4200, 4515, 4815, 5130};
  return {2520, kTops[row], 735, 285};
}

// ---------------------------------------------------------------------------------------------
// Processes.

std::string findOnPath(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!dirs.empty()) {
    const std::size_t colon = dirs.find(':');
    std::string candidate(dirs.substr(0, colon));
    candidate += '/';
    candidate += name;
    if (::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    dirs.remove_prefix(colon == std::string_view::npos ? dirs.size() : colon + 1);
  }
  return {};
}

struct CommandResult {
  int exitCode = -1;
  std::string output;
};

CommandResult runCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return result;
  }
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    result.output.append(buffer, count);
  }
  const int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// A child started with fork and execve; stopped (SIGTERM, then SIGKILL) at the latest when the
// object goes away.
class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() { stop(); }

  // Starts argv[0] (a full path) with `env`; `keptFd`, unless -1, stays open across exec.
  bool start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
             int keptFd = -1) {
    std::vector<char*> args = pointers(argv);
    std::vector<char*> envp = pointers(env);
    pid_ = ::fork();
    if (pid_ == 0) {
      if (keptFd != -1) {
        ::fcntl(keptFd, F_SETFD, 0);
      }
      ::execve(args[0], args.data(), envp.data());
      ::_exit(127);
    }
    return pid_ > 0;
  }

  pid_t pid() const { return pid_; }

  // Whether the child has ended on its own; it is then reaped.
  bool hasExited() {
    if (pid_ <= 0) {
      return true;
    }
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return true;
    }
    return false;
  }

  void stop() {
    if (hasExited()) {
      return;
    }
    ::kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + kStopTimeout;
    while (Clock::now() < deadline) {
      if (hasExited()) {
        return;
      }
      std::this_thread::sleep_for(kPollInterval / 5);
    }
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
  }

 private:
  static std::vector<char*> pointers(const std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (const std::string& s : strings) {
      result.push_back(const_cast<char*>(s.c_str()));
    }
    result.push_back(nullptr);
    return result;
  }

  pid_t pid_ = -1;
};

std::vector<std::string> currentEnvironment() {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    env.emplace_back(*entry);
  }
  return env;
}

// ---------------------------------------------------------------------------------------------
// The X session: a private Xvfb with the program on it. Members are destroyed in reverse
// order, so the program is stopped before its server.

class XSession {
 public:
  void start() {
    ASSERT_NO_FATAL_FAILURE(startServer());
    ASSERT_NO_FATAL_FAILURE(startProgram());
  }

  // Left click at a point of the window's client area.
  void click(Point at) {
    xdotool("mousemove --sync " + std::to_string(origin_.x + at.x) + " " +
            std::to_string(origin_.y + at.y) + " click 1");
  }

  // The program first, then its server.
  void stop() {
    program_.stop();
    server_.stop();
  }

  void key(const std::string& keys) { xdotool("key " + keys); }
  void type(const std::string& text) { xdotool("type " + text); }

  // Selects the whole result box and copies it, then returns the clipboard once it holds
  // `expected`, or what it last held when the time is up. The program handles the keys on its
  // own schedule, so the clipboard may lag behind for a moment.
  std::string copyResultBox(const std::string& expected) {
    click(pointIn(kResultBox));
    key("ctrl+a ctrl+c");
    std::string copied;
    const auto deadline = Clock::now() + kReadTimeout;
    do {
      const CommandResult read =
          runCommand(onDisplay("timeout 3 xclip -o -selection clipboard"
                               " -t UTF8_STRING 2>/dev/null"));
      if (read.exitCode == 0) {
        copied = read.output;
        if (copied == expected) {
          break;
        }
      }
      std::this_thread::sleep_for(kPollInterval);
    } while (Clock::now() < deadline);
    return copied;
  }

 private:
  std::string onDisplay(const std::string& command) const {
    return "DISPLAY=" + display_ + " " + command;
  }

  void xdotool(const std::string& args) {
    const CommandResult result = runCommand(onDisplay("timeout 10 xdotool " + args));
    ASSERT_EQ(0, result.exitCode) << "xdotool " << args;
  }

  void startServer() {
    // Xvfb picks a free display itself and writes its number to the descriptor it is given.
    int fds[2];
    ASSERT_EQ(0, ::pipe2(fds, O_CLOEXEC));
    const bool started =
        server_.start({findOnPath("Xvfb"), "-displayfd", std::to_string(fds[1]), "-screen", "0",
                       "800x600x24", "-nolisten", "tcp", "-noreset"},
                      currentEnvironment(), fds[1]);
    ::close(fds[1]);
    std::string number;
    const auto deadline = Clock::now() + kStartTimeout;
    while (started && number.find('\n') == std::string::npos && Clock::now() < deadline) {
      pollfd readable{fds[0], POLLIN, 0};
      if (::poll(&readable, 1, 100) < 0 && errno != EINTR) {
        break;
      }
      if ((readable.revents & (POLLIN | POLLHUP)) != 0) {
        char buffer[16];
        const ssize_t count = ::read(fds[0], buffer, sizeof buffer);
        if (count <= 0) {
          break;  // the server ended without naming a display
        }
        number.append(buffer, static_cast<std::size_t>(count));
      }
    }
    ::close(fds[0]);
    ASSERT_TRUE(started) << "could not start Xvfb";
    ASSERT_NE(std::string::npos, number.find('\n')) << "Xvfb reported no display number";
    display_ = ":" + number.substr(0, number.find('\n'));
  }

  void startProgram() {
    std::vector<std::string> env;
    for (std::string& entry : currentEnvironment()) {
      const std::string_view name = std::string_view(entry).substr(0, entry.find('='));
      if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM") {
        env.push_back(std::move(entry));
      }
    }
    env.push_back("DISPLAY=" + display_);
    env.emplace_back("QT_QPA_PLATFORM=xcb");
    ASSERT_TRUE(program_.start({NF_PROGRAM_PATH}, env)) << "could not start " NF_PROGRAM_PATH;

    // Wait for the program's window to be mapped.
    std::string window;
    const auto deadline = Clock::now() + kStartTimeout;
    while (window.empty() && Clock::now() < deadline) {
      ASSERT_FALSE(program_.hasExited()) << "the program ended before showing its window";
      const CommandResult found = runCommand(onDisplay(
          "timeout 5 xdotool search --onlyvisible --pid " + std::to_string(program_.pid())));
      if (found.exitCode == 0 && !found.output.empty()) {
        window = found.output.substr(0, found.output.find('\n'));
      } else {
        std::this_thread::sleep_for(kPollInterval);
      }
    }
    ASSERT_FALSE(window.empty()) << "no window of the program was mapped within the time";

    // Without a window manager the window has no frame: its geometry is its client area.
    const CommandResult geometry =
        runCommand(onDisplay("timeout 5 xdotool getwindowgeometry --shell " + window));
    ASSERT_EQ(0, geometry.exitCode);
    const auto field = [&geometry](std::string_view name) {
      const std::size_t at = geometry.output.find("\n" + std::string(name) + "=");
      return at == std::string::npos ? -1
                                     : std::atoi(geometry.output.c_str() + at + 2 + name.size());
    };
    origin_ = {field("X"), field("Y")};
    ASSERT_EQ(kClientWidth, field("WIDTH")) << geometry.output;
    ASSERT_EQ(kClientHeight, field("HEIGHT")) << geometry.output;
  }

  ChildProcess server_;
  ChildProcess program_;
  std::string display_;
  Point origin_{0, 0};
};

// The clipboard has "\n" where the report has "\r\n". The report ends its last line with a
// line break as well; the box keeps it as an empty last line, so the copy must end in exactly
// one "\n" too, and is compared without trimming.
std::string withUnixLineBreaks(std::string_view report) {
  std::string text;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') {
      continue;
    }
    text += report[i];
  }
  return text;
}

class WindowE2eTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string missing;
    for (const char* tool : {"Xvfb", "xdotool", "xclip", "timeout"}) {
      if (findOnPath(tool).empty()) {
        missing += missing.empty() ? tool : std::string(", ") + tool;
      }
    }
    if (!missing.empty()) {
      GTEST_SKIP() << "end-to-end test needs these programs, not found on PATH: " << missing;
    }
    ASSERT_NO_FATAL_FAILURE(session_.start());
  }

  void TearDown() override { session_.stop(); }

  // Sets a row's selector from "0" to "1" the keyboard way: click it, then Down.
  void setOneByArrow(int row) {
    session_.click(pointIn(valueSelector(row)));
    session_.key("Down");
  }

  // Copies the result box and checks it holds `report` (as the core writes it).
  std::string expectResultBox(const std::optional<std::string>& report) {
    EXPECT_TRUE(report.has_value()) << "the core wrote no report although a count is chosen";
    const std::string expected = withUnixLineBreaks(report.value_or(""));
    const std::string copied = session_.copyResultBox(expected);
    EXPECT_EQ(std::string::npos, copied.find('\r'))
        << "the box should show each CR LF as one line break";
    EXPECT_EQ(expected, copied);
    return copied;
  }

  XSession session_;
};

TEST_F(WindowE2eTest, FourVariableReportFollowsClicksAndKeysInBothForms) {
  nf::TruthTable table;
  table.resetValues();

  // The count list shows one item: clicking it chooses the "3" it shows, Down then moves to
  // "4". Choosing a count while nothing is chosen also chooses ДНФ.
  session_.click(pointIn(kCountList));
  session_.key("Down");
  table.setCountIndex(1);

  setOneByArrow(1);
  table.setSelectedItem(1, 1);
  session_.click(pointIn(valueSelector(9)));  // typing an item's text selects it as well
  session_.type("1");
  table.setSelectedItem(9, 1);
  setOneByArrow(14);
  table.setSelectedItem(14, 1);

  const std::string dnf = expectResultBox(nf::WriteDnf(table));
  // The terms spelled out by hand, so that a fault the core and the window share still shows.
  EXPECT_TRUE(dnf.ends_with("\n(!A ^ !B ^ !C ^ D)\n v (A ^ !B ^ !C ^ D)\n v (A ^ B ^ C ^ !D)\n"))
      << dnf;

  // Same table in КНФ.
  session_.click(pointIn(kKnfOption));
  expectResultBox(nf::WriteKnf(table));

  // A value change in КНФ rewrites the КНФ report: row 9 back to "0" with Up.
  session_.click(pointIn(valueSelector(9)));
  session_.key("Up");
  table.setSelectedItem(9, 0);
  const std::string knf = expectResultBox(nf::WriteKnf(table));
  EXPECT_TRUE(knf.ends_with("\n(!A v !B v !C v D)\n ^ (A v B v C v !D)\n")) << knf;
}

}  // namespace

#include "xsupport/x_input.h"

#include <cstdlib>
#include <thread>

namespace xsupport {

namespace {

constexpr auto kCommandTimeout = std::chrono::seconds(10);
constexpr auto kSearchInterval = std::chrono::milliseconds(20);

std::vector<std::string> xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv{findProgram("xdotool")};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return argv;
}

// A "NAME=value" line of `xdotool getwindowgeometry --shell`; -1 when it is missing.
int shellField(const std::string& text, const std::string& name) {
  const std::size_t at = ("\n" + text).find("\n" + name + "=");
  return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + name.size() + 1);
}

}  // namespace

XCommands& XCommands::add(std::initializer_list<std::string> words) {
  arguments_.insert(arguments_.end(), words);
  return *this;
}

XCommands& XCommands::moveTo(int x, int y) {
  return add({"mousemove", std::to_string(x), std::to_string(y)});
}

XCommands& XCommands::click(int button, int times) {
  for (int i = 0; i < times; ++i) {
    buttonDown(button).buttonUp(button);
  }
  return *this;
}

XCommands& XCommands::keys(const std::vector<std::string>& names, int delayMs) {
  add({"key", "--delay", std::to_string(delayMs)});
  arguments_.insert(arguments_.end(), names.begin(), names.end());
  return *this;
}

std::optional<std::pair<int, int>> XCommands::lastMove() const {
  for (std::size_t i = arguments_.size(); i-- > 0;) {
    if (arguments_[i] == "mousemove" && i + 2 < arguments_.size()) {
      return std::make_pair(std::stoi(arguments_[i + 1]), std::stoi(arguments_[i + 2]));
    }
  }
  return std::nullopt;
}

std::string sendInput(const XCommands& commands) {
  const ProgramResult result = runProgram(xdotool(commands.arguments()), kCommandTimeout);
  if (result.ok()) {
    return {};
  }
  std::string problem = result.finished
                            ? "xdotool failed with exit code " + std::to_string(result.exitCode)
                            : std::string("xdotool did not end in time");
  for (const std::string& argument : commands.arguments()) {
    problem.append(" ").append(argument);
  }
  return problem;
}

std::unique_ptr<ChildProcess> startInput(const XCommands& commands) {
  auto child = std::make_unique<ChildProcess>();
  return child->start(xdotool(commands.arguments())) ? std::move(child) : nullptr;
}

WindowPlace waitForWindow(ChildProcess& program, std::chrono::milliseconds timeout) {
  WindowPlace place;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (place.id.empty()) {
    if (program.poll()) {
      place.problem = "the program ended before it showed a window";
      return place;
    }
    const ProgramResult found =
        runProgram(xdotool({"search", "--onlyvisible", "--pid", std::to_string(program.pid())}),
                   kCommandTimeout);
    if (found.ok() && !found.output.empty()) {
      place.id = found.output.substr(0, found.output.find('\n'));
    } else if (std::chrono::steady_clock::now() > deadline) {
      place.problem = "the program mapped no window within the time";
      return place;
    } else {
      std::this_thread::sleep_for(kSearchInterval);
    }
  }
  const ProgramResult geometry =
      runProgram(xdotool({"getwindowgeometry", "--shell", place.id}), kCommandTimeout);
  place.x = shellField(geometry.output, "X");
  place.y = shellField(geometry.output, "Y");
  place.width = shellField(geometry.output, "WIDTH");
  place.height = shellField(geometry.output, "HEIGHT");
  if (!geometry.ok() || place.width <= 0 || place.height <= 0) {
    place.problem = "xdotool gave no geometry of window " + place.id + ": " + geometry.output;
  }
  return place;
}

}  // namespace xsupport

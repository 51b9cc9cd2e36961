#include "xsupport/x_input.h"

#include <cstdlib>
#include <thread>

#include "xsupport/program_path.h"

namespace xsupport {

namespace {

constexpr auto kCommandTimeout = std::chrono::seconds(10);
constexpr auto kSearchInterval = std::chrono::milliseconds(20);

// A "NAME=value" line of `xdotool getwindowgeometry --shell`; -1 when it is missing.
int shellField(const std::string& text, const std::string& name) {
  const std::size_t at = ("\n" + text).find("\n" + name + "=");
  return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + name.size() + 1);
}

}  // namespace

XInput::XInput() : xdotool_(findProgram("xdotool")) {}

ProgramResult XInput::run(const std::vector<std::string>& arguments) const {
  std::vector<std::string> argv{xdotool_};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return runProgram(argv, kCommandTimeout);
}

std::string XInput::send(const XCommands& commands) const {
  const ProgramResult result = run(commands.arguments());
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

std::unique_ptr<ChildProcess> XInput::start(const XCommands& commands) const {
  std::vector<std::string> argv{xdotool_};
  argv.insert(argv.end(), commands.arguments().begin(), commands.arguments().end());
  auto child = std::make_unique<ChildProcess>();
  return child->start(argv) ? std::move(child) : nullptr;
}

WindowPlace XInput::waitForWindow(ChildProcess& program, std::chrono::milliseconds timeout) const {
  WindowPlace place;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (place.id.empty()) {
    if (program.poll()) {
      place.problem = "the program ended before it showed a window";
      return place;
    }
    const ProgramResult found =
        run({"search", "--onlyvisible", "--pid", std::to_string(program.pid())});
    if (found.ok() && !found.output.empty()) {
      place.id = found.output.substr(0, found.output.find('\n'));
    } else if (std::chrono::steady_clock::now() > deadline) {
      place.problem = "the program mapped no window within the time";
      return place;
    } else {
      std::this_thread::sleep_for(kSearchInterval);
    }
  }
  const ProgramResult geometry = run({"getwindowgeometry", "--shell", place.id});
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

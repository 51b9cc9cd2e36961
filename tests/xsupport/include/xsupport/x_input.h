#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "xsupport/child_process.h"

namespace xsupport {

/// A chain of xdotool commands that one xdotool run sends in order: pointer moves, button and
/// key presses, in screen pixels. The X server delivers them in the same order.
class XCommands {
 public:
  /// Moves the pointer to (`x`, `y`).
  XCommands& moveTo(int x, int y);
  /// Presses and releases `button` (1 left, 2 middle, 3 right, 4 and 5 the wheel) `times`
  /// times, as fast as the server takes it: xdotool's own "click" waits between clicks.
  XCommands& click(int button = 1, int times = 1);
  XCommands& buttonDown(int button) { return add({"mousedown", std::to_string(button)}); }
  XCommands& buttonUp(int button) { return add({"mouseup", std::to_string(button)}); }
  /// Presses and releases each key or chord of `names` ("Down", "ctrl+a"), `delayMs` apart.
  XCommands& keys(const std::vector<std::string>& names, int delayMs = 12);
  XCommands& keyDown(const std::string& name) { return add({"keydown", name}); }
  XCommands& keyUp(const std::string& name) { return add({"keyup", name}); }
  /// Waits `seconds` between two commands.
  XCommands& pause(double seconds) { return add({"sleep", std::to_string(seconds)}); }

  /// Where the last pointer move of the chain goes, if it has one.
  std::optional<std::pair<int, int>> lastMove() const;
  /// The arguments for xdotool.
  const std::vector<std::string>& arguments() const { return arguments_; }

 private:
  XCommands& add(std::initializer_list<std::string> words);

  std::vector<std::string> arguments_;
};

/// Sends `commands` on the display in DISPLAY and waits for xdotool to end; returns an empty
/// text, or what went wrong.
std::string sendInput(const XCommands& commands);

/// Starts sending `commands` without waiting: for a window in the caller's own process, which
/// must go on handling its events meanwhile. Null when xdotool cannot start.
std::unique_ptr<ChildProcess> startInput(const XCommands& commands);

/// A top-level window as the X server has it: id and place on the screen. Without a window
/// manager a window has no frame, so this is its client area.
struct WindowPlace {
  std::string id;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string problem;  // empty when the window was found

  bool found() const { return problem.empty(); }
};

/// Waits until `program` has a top-level window mapped, at most `timeout`.
WindowPlace waitForWindow(ChildProcess& program, std::chrono::milliseconds timeout);

}  // namespace xsupport

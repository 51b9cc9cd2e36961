#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "xsupport/child_process.h"
#include "xsupport/x_commands.h"

namespace xsupport {

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

/// Real mouse and keyboard input through xdotool, on the display in DISPLAY.
class XInput {
 public:
  XInput();

  /// Sends `commands` and waits for xdotool to end; returns an empty text, or what went wrong.
  std::string send(const XCommands& commands) const;

  /// Starts sending `commands` without waiting: for a window in the caller's own process, which
  /// must go on handling its events meanwhile. Null when xdotool cannot start.
  std::unique_ptr<ChildProcess> start(const XCommands& commands) const;

  /// Waits until `program` has a top-level window mapped, at most `timeout`.
  WindowPlace waitForWindow(ChildProcess& program, std::chrono::milliseconds timeout) const;

 private:
  ProgramResult run(const std::vector<std::string>& arguments) const;

  std::string xdotool_;
};

}  // namespace xsupport

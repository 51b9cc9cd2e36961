#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

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
  XCommands& buttonDown(int button);
  XCommands& buttonUp(int button);
  /// Presses and releases each key or chord of `names` ("Down", "ctrl+a"), `delayMs` apart.
  XCommands& keys(const std::vector<std::string>& names, int delayMs = 12);
  XCommands& keyDown(const std::string& name);
  XCommands& keyUp(const std::string& name);
  /// Waits `seconds` between two commands.
  XCommands& pause(double seconds);

  /// Where the last pointer move of the chain goes, if it has one.
  std::optional<std::pair<int, int>> lastMove() const;
  /// The arguments for xdotool.
  const std::vector<std::string>& arguments() const { return arguments_; }
  bool empty() const { return arguments_.empty(); }

 private:
  XCommands& add(std::initializer_list<std::string> words);

  std::vector<std::string> arguments_;
};

}  // namespace xsupport

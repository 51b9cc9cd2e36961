#include "xsupport/x_commands.h"

namespace xsupport {

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

XCommands& XCommands::buttonDown(int button) {
  return add({"mousedown", std::to_string(button)});
}

XCommands& XCommands::buttonUp(int button) {
  return add({"mouseup", std::to_string(button)});
}

XCommands& XCommands::keys(const std::vector<std::string>& names, int delayMs) {
  add({"key", "--delay", std::to_string(delayMs)});
  arguments_.insert(arguments_.end(), names.begin(), names.end());
  return *this;
}

XCommands& XCommands::keyDown(const std::string& name) {
  return add({"keydown", name});
}

XCommands& XCommands::keyUp(const std::string& name) {
  return add({"keyup", name});
}

XCommands& XCommands::pause(double seconds) {
  return add({"sleep", std::to_string(seconds)});
}

std::optional<std::pair<int, int>> XCommands::lastMove() const {
  for (std::size_t i = arguments_.size(); i-- > 0;) {
    if (arguments_[i] == "mousemove" && i + 2 < arguments_.size()) {
      return std::make_pair(std::stoi(arguments_[i + 1]), std::stoi(arguments_[i + 2]));
    }
  }
  return std::nullopt;
}

}  // namespace xsupport

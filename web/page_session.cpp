#include "page_session.h"

#include <optional>
#include <utility>

#include "page_view.h"
#include "window/control_view.h"
#include "window/function_code.h"

namespace nf::web {
namespace {

// The window's key for a key as the browser names it; a character stands for itself.
Key windowKey(std::string_view name) {
  constexpr std::pair<std::string_view, Key> kNames[] = {
      {"ArrowLeft", Key::Left}, {"ArrowRight", Key::Right},  {"ArrowUp", Key::Up},
      {"ArrowDown", Key::Down}, {"Home", Key::Home},         {"End", Key::End},
      {"PageUp", Key::PageUp},  {"PageDown", Key::PageDown}, {" ", Key::Space},
      {"Enter", Key::Enter},
  };
  for (const auto& [known, key] : kNames) {
    if (name == known) {
      return key;
    }
  }
  return Key::Other;
}

}  // namespace

std::string PageSession::input(std::string_view id, int item) {
  const std::optional<layout::Control> control = layout::Control::named(id);
  return control ? patchText(window_.state(), window_.input(*control, item).redraw) : std::string();
}

std::string PageSession::key(std::string_view id, std::string_view key, bool shortcut) {
  const std::optional<layout::Control> control = layout::Control::named(id);
  if (!control) {
    return {};
  }
  const Answer answer = window_.key(*control, {windowKey(key), key, shortcut});
  if (!answer.taken) {
    return {};
  }
  std::string patch = "1" + patchText(window_.state(), answer.redraw);
  if (answer.focus) {
    patch.append(patch.size() > 1 ? "\x1e" : "")
        .append(answer.focus->name())
        .append(
            "\x1f"
            "focus");
  }
  return patch;
}

std::string PageSession::code() const {
  return writeCode(window_.state()).value_or(std::string());
}

std::string PageSession::open(std::string_view code) {
  const CodeReading reading = readCode(code);
  if (!reading.function) {
    return {};
  }
  WindowModel opened;
  applyCode(opened, *reading.function);
  const std::vector<layout::Control> changed = changedControls(window_.state(), opened.state());
  window_ = opened;
  return patchText(window_.state(), changed);
}

}  // namespace nf::web

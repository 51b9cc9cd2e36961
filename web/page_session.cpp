#include "page_session.h"

#include <optional>

#include "control_view.h"
#include "window/function_code.h"
#include "window/layout.h"

namespace nf::web {
namespace {

namespace group = layout::group;

// What an input on `control` means to the window.
WindowChanges inputOn(WindowModel& window, const layout::Control& control, int item) {
  WindowChanges changes;
  if (control.group == group::List2) {
    changes = window.chooseCount(item);
    // A list shows the model's selection again even when the model refused the choice.
    changes.countIndex = true;
  } else if (control.group == group::List1) {
    changes = window.chooseValue(control.index, item);
    changes.values.set(static_cast<std::size_t>(control.index));
  } else if (control.group == group::Option1) {
    changes = window.chooseForm(control.index);
  } else if (control.group == group::Command1) {
    changes = window.pressClear(control.index);
  } else if (control.group == group::Label1) {
    changes = window.clickLabel(control.index);
  }
  return changes;
}

}  // namespace

std::string PageSession::input(std::string_view id, int item) {
  const std::optional<layout::Control> control = layout::Control::named(id);
  return control ? patchText(window_.state(), inputOn(window_, *control, item)) : std::string();
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
  const WindowChanges changes = changesBetween(window_.state(), opened.state());
  window_ = opened;
  return patchText(window_.state(), changes);
}

}  // namespace nf::web

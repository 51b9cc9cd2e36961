// The window model for the browser face, as a few plain C functions exported from the
// WebAssembly module. The face passes on the user's input on a control by the control's name
// and gets back the page's attributes that change, as control_view.h writes them.
#include <emscripten/emscripten.h>

#include <string>

#include "control_view.h"
#include "window/function_code.h"
#include "window/layout.h"

namespace {

namespace group = nf::layout::group;

nf::WindowModel& model() {
  static nf::WindowModel window;
  return window;
}

// Strings handed to the face stay valid until the next call.
const char* handOver(std::string text) {
  static std::string held;
  held = std::move(text);
  return held.c_str();
}

const char* patch(const nf::WindowChanges& changes) {
  return handOver(nf::web::patchText(model().state(), changes));
}

// What an input on `control` means to the window: the face knows only the control's name.
nf::WindowChanges input(const nf::layout::Control& control, int item) {
  nf::WindowModel& window = model();
  nf::WindowChanges changes;
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

extern "C" {

/// The user's input on the control named `name`: item `item` chosen in a list, or a click or
/// press on any other control. Returns the page's attributes that change.
EMSCRIPTEN_KEEPALIVE const char* nf_input(const char* name, int item) {
  const std::optional<nf::layout::Control> control = nf::layout::Control::named(name);
  return control ? patch(input(*control, item)) : handOver({});
}

/// The code of the function the window shows, or an empty text while it shows none.
EMSCRIPTEN_KEEPALIVE const char* nf_code() {
  return handOver(nf::writeCode(model().state()).value_or(std::string()));
}

/// What is wrong with `code`, or an empty text when it names a function.
EMSCRIPTEN_KEEPALIVE const char* nf_code_problem(const char* code) {
  return handOver(nf::readCode(code).error);
}

/// Opens the function `code` names: the window as the inputs it stands for leave a freshly
/// opened one, or that window as it opens for a code that does not read. Returns the page's
/// attributes that change.
EMSCRIPTEN_KEEPALIVE const char* nf_open(const char* code) {
  const nf::CodeReading reading = nf::readCode(code);
  nf::WindowModel opened;
  if (reading.function) {
    nf::applyCode(opened, *reading.function);
  }
  const nf::WindowChanges changes = nf::changesBetween(model().state(), opened.state());
  model() = opened;
  return patch(changes);
}

}  // extern "C"

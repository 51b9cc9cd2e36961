#include "window/control_view.h"

namespace nf {
namespace {

ControlView view(const WindowState& state, const layout::Group& group, int index) {
  const auto at = static_cast<std::size_t>(index);
  const bool inRow = index >= 0 && index < group.rowControls();
  ControlView view;
  if (inRow) {
    view.shown = state.shown[at];
  }
  switch (group.shows) {
    case layout::Shows::Nothing:
      break;
    case layout::Shows::Count:
      view.selected = state.countIndex;
      break;
    case layout::Shows::Form:
      view.selected = state.option;
      break;
    case layout::Shows::Value:
      view.selected = state.values[at];
      break;
    case layout::Shows::Label:
      view.text = state.labels[at];
      break;
    case layout::Shows::Result:
      view.text = state.result;
      break;
  }
  if (group.namedByRowLabel && inRow) {
    view.nameEnd = state.labels[at];
  }
  return view;
}

}  // namespace

ControlView viewOf(const WindowState& state, const layout::Control& control) {
  return view(state, layout::groupOf(control), control.index);
}

std::vector<layout::Control> changedControls(const WindowState& before, const WindowState& after,
                                             const std::optional<layout::Control>& also) {
  std::vector<layout::Control> changed;
  for (const layout::Control& control : layout::stackingOrder()) {
    const layout::Group& group = layout::groupOf(control);
    if (control == also ||
        view(before, group, control.index) != view(after, group, control.index)) {
      changed.push_back(control);
    }
  }
  return changed;
}

}  // namespace nf

#include "window/control_view.h"

namespace nf {

ControlView viewOf(const WindowState& state, const layout::Control& control) {
  const layout::Group& group = layout::groupOf(control);
  const std::optional<int> row = layout::rowOf(control);
  const auto at = static_cast<std::size_t>(control.index);
  ControlView view;
  if (row) {
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
  if (group.namedByRowLabel && row) {
    view.nameEnd = state.labels[at];
  }
  return view;
}

std::vector<layout::Control> changedControls(const WindowState& before, const WindowState& after,
                                             const std::optional<layout::Control>& also) {
  std::vector<layout::Control> changed;
  for (const layout::Control& control : layout::stackingOrder()) {
    if (control == also || viewOf(before, control) != viewOf(after, control)) {
      changed.push_back(control);
    }
  }
  return changed;
}

}  // namespace nf

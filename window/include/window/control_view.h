#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"
#include "window/window_state.h"

namespace nf {

/// What one control shows of the window's state: all a face draws of it besides what the
/// window's description fixes.
struct ControlView {
  bool shown = true;
  /// A list's selected item, or the option selected in an option button's group; -1 for none.
  int selected = -1;
  /// A text box's text; the result box's ends every line in CR LF.
  std::string_view text;
  /// Where the accessible name follows the state, what follows the element's own name in it:
  /// the row's label. Empty where the description fixes the name.
  std::string_view nameEnd;

  bool operator==(const ControlView&) const = default;
};

/// What `control` shows in `state`.
ControlView viewOf(const WindowState& state, const layout::Control& control);

/// Every control that shows something else in `after` than in `before`, and `also`, in
/// stacking order.
std::vector<layout::Control> changedControls(const WindowState& before, const WindowState& after,
                                             const std::optional<layout::Control>& also = {});

}  // namespace nf

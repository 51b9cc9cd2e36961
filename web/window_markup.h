#pragma once

#include <string>

#include "window/window_state.h"

namespace nf::web {

/// Style rules that come from the window's layout: its size, fonts and colours.
std::string layoutStyle();

/// The window showing `state`, as one element `#window` that holds every control at its place
/// from the layout, in the desktop's tab order, with the desktop's object names as ids and its
/// accessible names and descriptions.
std::string windowMarkup(const WindowState& state);

}  // namespace nf::web

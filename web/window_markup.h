#pragma once

#include <string>

#include "window/window_state.h"

namespace nf::web {

/// The window's controls showing `state`, the content of the page's element `#window`: every
/// control of the window's description, in Tab order where it takes the focus, with the
/// controls' names as ids and their accessible names and descriptions.
std::string windowMarkup(const WindowState& state);

}  // namespace nf::web

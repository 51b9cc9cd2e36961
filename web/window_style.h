#pragma once

#include <string>

namespace nf::web {

/// Style rules that come from the window's description: its size, font and colour, and each
/// control's place, size, colour and font, as the desktop rounds them.
std::string layoutStyle();

}  // namespace nf::web

#pragma once

#include <QIcon>
#include <span>

namespace nf {

/// One size of the window icon as ARGB pixels, row by row.
struct IconPixels {
  int size;
  const unsigned int* argb;
};

/// The icon's sizes, rendered from its drawing when the program is built (the 32 px one in
/// its 256 colours); defined in a generated source file.
std::span<const IconPixels> windowIconPixels();

/// The window icon: 16, 32, 48 and 64 pixels. Menus take the larger sizes from the installed
/// icon theme. The pixels are ready-made, so starting the program draws nothing.
QIcon programIcon();

}  // namespace nf

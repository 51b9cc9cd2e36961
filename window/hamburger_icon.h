#pragma once

#include <QIcon>
#include <QImage>

namespace nf {

/// The program's hamburger picture (sesame bun, lettuce, cheese, tomato, dark patty) drawn
/// at `size` x `size` pixels; the design is laid out on a 32 x 32 grid and scales with it.
QImage drawHamburger(int size);

/// The window icon: the 32 x 32 picture in 256 colours, plus larger sizes for dense screens.
QIcon hamburgerIcon();

}  // namespace nf

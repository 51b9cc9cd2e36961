#pragma once

#include <QImage>

namespace nf {

/// The program's hamburger picture (sesame bun, lettuce, cheese, tomato, dark patty) drawn
/// at `size` x `size` pixels; the design is laid out on a 32 x 32 grid and scales with it.
QImage drawHamburger(int size);

/// The picture in at most 256 colours, as the classic 32 x 32 icon is kept. The palette is
/// made of the picture's own colours, so nothing is dithered while they fit.
QImage drawHamburgerIndexed(int size);

}  // namespace nf

#pragma once

#include "window/controls.h"

/// A point of the window, in pixels.
struct ClickPoint {
  int x;
  int y;
};

/// Where the X tests click into `control`: a third of its width from the left, clear of any
/// scroll bar (in a one-item list, on the item it shows), halfway down; in the window's pixels
/// at `scale` times the normal density.
inline ClickPoint clickPoint(const nf::layout::Control& control, int scale = 1) {
  const nf::layout::Pixels place = nf::layout::placeInWindow(control);
  return {scale * (place.left + place.width / 3), scale * (place.top + place.height / 2)};
}

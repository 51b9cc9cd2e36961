#pragma once

#include "window/layout.h"

/// A point of the window, in pixels.
struct ClickPoint {
  int x;
  int y;
};

/// Where the X tests click into a control: a third of its width from the left, clear of any
/// scroll bar (in a one-item list, on the item it shows), halfway down; in the window's pixels
/// at `scale` times the normal density.
constexpr ClickPoint clickPoint(nf::layout::Twips place, int scale = 1) {
  return {scale * nf::layout::toPixels(place.left + place.width / 3),
          scale * nf::layout::toPixels(place.top + place.height / 2)};
}

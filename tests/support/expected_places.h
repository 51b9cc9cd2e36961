#pragma once

#include <string>
#include <vector>

/// A control's rectangle in the window's client area, in pixels.
struct ExpectedPlace {
  std::string name;
  int left;
  int top;
  int width;
  int height;
};

/// Where every control of the window stands, the 32 rows' included, written out here in twips
/// apart from the window's own description and rounded to pixels: what the tests of each face
/// compare the face's places with, and where their clicks aim.
const std::vector<ExpectedPlace>& expectedPlaces();

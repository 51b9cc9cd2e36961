#include "expected_places.h"

#include <cmath>

namespace {

struct Twips {
  const char* name;
  int left, top, width, height;
};

// The controls outside the rows; an option's place is inside the frame (1800, 0).
constexpr Twips kFixed[] = {
    {"Label2_0", 120, 120, 735, 375},     {"Label2_1", 1080, 120, 735, 375},
    {"List2", 120, 480, 735, 345},        {"Frame1", 1800, 0, 2655, 450},
    {"Option1_0", 1920, 120, 855, 285},   {"Option1_1", 3480, 120, 855, 285},
    {"Command1_0", 4680, 120, 1575, 285}, {"Text1_0", 120, 5640, 6975, 1455},
    {"Label1_32", 3720, 5400, 135, 135},
};

// Grid line k: label box top, then " = " top and selector top for the left and right column.
constexpr int kGrid[16][5] = {
    {480, 480, 480, 480, 480},      {795, 795, 795, 795, 795},      {1095, 1095, 1095, 1095, 1095},
    {1410, 1410, 1410, 1410, 1410}, {1725, 1725, 1725, 1725, 1725}, {2025, 2025, 2025, 2025, 2025},
    {2340, 2340, 2280, 2340, 2340}, {2655, 2655, 2655, 2655, 2655}, {2955, 2955, 2955, 2955, 2955},
    {3270, 3270, 3240, 3270, 3270}, {3585, 3585, 3585, 3585, 3585}, {3885, 3885, 3885, 3885, 3885},
    {4200, 4200, 4200, 4200, 4200}, {4515, 4515, 4515, 4515, 4515}, {4830, 4800, 4800, 4815, 4800},
    {5145, 5130, 5130, 5130, 5130},
};

int pixels(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

ExpectedPlace place(const std::string& name, int left, int top, int width, int height) {
  return {name, pixels(left), pixels(top), pixels(width), pixels(height)};
}

}  // namespace

const std::vector<ExpectedPlace>& expectedPlaces() {
  static const std::vector<ExpectedPlace> places = [] {
    std::vector<ExpectedPlace> all;
    for (const Twips& fixed : kFixed) {
      // A control inside the frame is rounded in the frame, then moved by the frame's place.
      const bool inFrame = std::string(fixed.name).starts_with("Option1");
      const int frame = inFrame ? 1800 : 0;
      ExpectedPlace at =
          place(fixed.name, fixed.left - frame, fixed.top, fixed.width, fixed.height);
      at.left += pixels(frame);
      all.push_back(at);
    }
    for (int row = 0; row < 32; ++row) {
      const int line = row % 16;
      const bool right = row >= 16;
      const std::string index = std::to_string(row);
      all.push_back(place("Text2_" + index, right ? 4320 : 960, kGrid[line][0], 1000, 315));
      all.push_back(
          place("Label1_" + index, right ? 5280 : 1920, kGrid[line][right ? 2 : 1], 615, 255));
      all.push_back(
          place("List1_" + index, right ? 5880 : 2520, kGrid[line][right ? 4 : 3], 735, 285));
    }
    return all;
  }();
  return places;
}

#include "window_style.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include "window/controls.h"

namespace nf::web {
namespace {

using layout::Control;
using layout::Group;

std::string px(int pixels) {
  return std::to_string(pixels) + "px";
}

std::string colour(layout::Rgb rgb) {
  return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
         std::to_string(rgb.blue) + ")";
}

std::string points(double size) {
  char text[32];
  std::snprintf(text, sizeof text, "%gpt", size);
  return text;
}

std::string rule(const std::string& selector, const std::string& declarations) {
  return declarations.empty() ? std::string() : selector + "{" + declarations + "}\n";
}

// The element that stands at a control's place: a box of many lines stands in a frame of its
// own together with its scroll bar.
std::string placed(const Control& control) {
  const bool framed = layout::groupOf(control).multiLine;
  return "#" + control.name() + (framed ? "-area" : "");
}

// What places and paints a control, as declarations in a fixed order.
constexpr std::array<std::string_view, 5> kProperties = {"left", "top", "width", "height",
                                                         "background"};
using Declarations = std::array<std::string, kProperties.size()>;

Declarations declarationsOf(const Control& control) {
  const layout::Element element = layout::elementOf(control);
  const layout::Pixels place = layout::toPixels(element.place);
  return {px(place.left), px(place.top), px(place.width), px(place.height),
          colour(element.background.value_or(layout::kWhite))};
}

std::string written(const Declarations& declarations, const Declarations& omitted) {
  std::string text;
  for (std::size_t i = 0; i < kProperties.size(); ++i) {
    if (declarations[i] != omitted[i]) {
      text += (text.empty() ? "" : ";") + std::string(kProperties[i]) + ":" + declarations[i];
    }
  }
  return text;
}

std::vector<Control> controlsOf(const Group& group) {
  std::vector<Control> controls;
  for (int i = 0; i < group.size(); ++i) {
    controls.push_back({group.name, group.indexed ? i : layout::kAlone});
  }
  return controls;
}

// What most of a group's controls have, property by property: the group's rule says it once,
// and a control's own rule only what differs.
Declarations mostCommon(const std::vector<Control>& controls) {
  Declarations common;
  for (std::size_t property = 0; property < kProperties.size(); ++property) {
    int best = 0;
    for (const Control& candidate : controls) {
      const std::string value = declarationsOf(candidate)[property];
      int count = 0;
      for (const Control& other : controls) {
        count += declarationsOf(other)[property] == value ? 1 : 0;
      }
      if (count > best) {
        best = count;
        common[property] = value;
      }
    }
  }
  return common;
}

bool overlap(layout::Pixels a, layout::Pixels b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// The markup holds the controls in Tab order, not as they stack: controls that overlap
// another say where they stack, as the desktop stacks them, in the order it makes them.
std::string stacking(const Control& control) {
  if (!layout::groupOf(control).container.empty()) {
    return {};
  }
  const std::vector<Control>& order = layout::stackingOrder();
  for (const Control& other : order) {
    if (other != control && layout::groupOf(other).container.empty() &&
        overlap(layout::placeInWindow(control), layout::placeInWindow(other))) {
      for (std::size_t at = 0; at < order.size(); ++at) {
        if (order[at] == control) {
          return "z-index:" + std::to_string(at + 1);
        }
      }
    }
  }
  return {};
}

std::string groupStyle(const Group& group) {
  const std::vector<Control> controls = controlsOf(group);
  const Declarations common = mostCommon(controls);
  std::string own = written(common, {});
  if (group.fontPoints > 0) {
    own += ";font-size:" + points(group.fontPoints);
  }
  if (!group.items.empty()) {
    own += ";--n:" + std::to_string(group.items.size());
  }
  std::string style = rule("." + std::string(group.name), own);
  for (const Control& control : controls) {
    std::string declarations = written(declarationsOf(control), common);
    const std::string stack = stacking(control);
    declarations += (declarations.empty() || stack.empty() ? "" : ";") + stack;
    style += rule(placed(control), declarations);
  }
  return style;
}

}  // namespace

std::string layoutStyle() {
  const std::string family = "\"" + std::string(layout::kFontFamily) + "\",serif";
  // The window's size is the root's too, where the script that fits it to the screen reads it.
  std::string style = rule(":root", "--width:" + px(layout::toPixels(layout::kClientWidth)) +
                                        ";--height:" + px(layout::toPixels(layout::kClientHeight)));
  style += rule("#window", "width:var(--width);height:var(--height);background:" +
                               colour(layout::kWindowColour) +
                               ";font:" + points(layout::kWindowFontPoints) + " " + family);
  for (const Group& group : layout::groups()) {
    style += groupStyle(group);
  }
  // On paper a box of many lines stands in the window's flow at its place, so that the window
  // grows with it when it grows to hold its whole text (face.css).
  for (const Group& group : layout::groups()) {
    if (!group.multiLine) {
      continue;
    }
    for (const Control& control : controlsOf(group)) {
      const layout::Pixels box = layout::placeInWindow(control);
      const int below = layout::toPixels(layout::kClientHeight) - box.top - box.height;
      style +=
          "@media print{" +
          rule("#window>" + placed(control), "position:static;height:auto;margin:" + px(box.top) +
                                                 " 0 " + px(below) + " " + px(box.left)) +
          "}\n";
    }
  }
  return style;
}

}  // namespace nf::web

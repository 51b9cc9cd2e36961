#include "window_markup.h"

#include <cstdio>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "control_view.h"
#include "html_writer.h"
#include "window/layout.h"

namespace nf::web {
namespace {

namespace group = layout::group;

// Ids of the hidden elements that hold the accessible descriptions, each written once and
// referred to by every control it describes.
constexpr std::string_view kCountDescription = "d-count";
constexpr std::string_view kFrameDescription = "d-frame";
constexpr std::string_view kOptionDescription[] = {"d-dnf", "d-knf"};
constexpr std::string_view kClearDescription = "d-clear";
constexpr std::string_view kResultDescription = "d-result";
constexpr std::string_view kSignDescription = "d-sign";
constexpr std::string_view kLabelBoxDescription = "d-box";
constexpr std::string_view kSelectorDescription = "d-selector";

std::string name(layout::Control control) {
  return control.name();
}

// The desktop's rounding, so that every control lands on the same pixels.
std::string place(layout::Twips twips) {
  const layout::Pixels pixels = layout::toPixels(twips);
  return "left:" + std::to_string(pixels.left) + "px;top:" + std::to_string(pixels.top) +
         "px;width:" + std::to_string(pixels.width) + "px;height:" + std::to_string(pixels.height) +
         "px";
}

std::string size(int width, int height) {
  return "width:" + std::to_string(layout::toPixels(width)) +
         "px;height:" + std::to_string(layout::toPixels(height)) + "px";
}

// A row's control: its size is its kind's (below), its place its own.
std::string rowPlace(layout::Twips twips) {
  return "left:" + std::to_string(layout::toPixels(twips.left)) +
         "px;top:" + std::to_string(layout::toPixels(twips.top)) + "px";
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
  return selector + "{" + declarations + "}\n";
}

// The state's attributes of every element, as the window's first frame has them.
class StateAttributes : public AttributeSink {
 public:
  void set(std::string_view element, std::string_view name,
           std::optional<std::string_view> value) override {
    if (value) {
      byElement[std::string(element)].emplace_back(name, *value);
    }
  }

  std::map<std::string, std::vector<std::pair<std::string_view, std::string>>> byElement;
};

class WindowWriter {
 public:
  explicit WindowWriter(const WindowState& state) { showState(state, everything(), state_); }

  std::string write() {
    html_.open("div").attr("id", "window");
    descriptions();
    fixedControls();
    for (const layout::Control& control : layout::tabOrder()) {
      focusable(control);
    }
    html_.close();
    return html_.str();
  }

 private:
  // Opens element `id` with the attributes the state gives it; returns the text it holds.
  std::string open(std::string_view tag, const std::string& id) {
    html_.open(tag).attr("id", id);
    std::string content;
    for (const auto& [name, value] : state_.byElement[id]) {
      if (name == "hidden") {
        html_.flag("hidden");
      } else if (name == "value" && tag == "textarea") {
        content = value;
      } else {
        html_.attr(name, value);
      }
    }
    return content;
  }

  void descriptions() {
    describe(kCountDescription, layout::kCountListAccessible.description);
    describe(kFrameDescription, layout::kFrameAccessible.description);
    for (std::size_t i = 0; i < layout::kOptionAccessible.size(); ++i) {
      describe(kOptionDescription[i], layout::kOptionAccessible[i].description);
    }
    describe(kClearDescription, layout::kClearAccessible.description);
    describe(kResultDescription, layout::kResultAccessible.description);
    describe(kSignDescription, layout::kSignAccessible.description);
    describe(kLabelBoxDescription, layout::kLabelBoxDescription);
    describe(kSelectorDescription, layout::kSelectorDescription);
  }

  void describe(std::string_view id, std::string_view text) {
    html_.open("div").attr("id", id).flag("hidden").text(text).close();
  }

  // Captions, signs and the square: they take no focus, so their place in the markup is free.
  void fixedControls() {
    for (std::size_t i = 0; i < layout::kLabel2.size(); ++i) {
      open("div", name({group::Label2, static_cast<int>(i)}));
      html_.attr("class", "cap").text(layout::kLabel2[i].text).close();
    }
    for (int row = 0; row < kRowSlots; ++row) {
      open("div", name({group::Label1, row}));
      html_.attr("class", "sign")
          .attr("role", "img")
          .attr("aria-label", layout::kSignAccessible.name)
          .attr("aria-describedby", kSignDescription)
          .text(layout::kSignText)
          .close();
    }
    open("div", name({group::Label1, kRowSlots}));
    html_.attr("class", "sq")
        .attr("role", "img")
        .attr("title", layout::kEasterSquareTip)
        .attr("aria-label", layout::kEasterSquareTip)
        .close();
  }

  // The controls that take focus, in Tab order: Tab follows the markup.
  void focusable(const layout::Control& control) {
    if (control.group == group::List1) {
      selector(control);
    } else if (control.group == group::Text2) {
      labelBox(control);
    } else if (control.group == group::Text1) {
      resultBox(control);
    } else if (control.group == group::List2) {
      list(control, kCountItems, "lst", layout::kCountListAccessible.name, kCountDescription);
    } else if (control.group == group::Option1) {
      option(control);
    } else if (control.group == group::Command1) {
      clearButton(control);
    }
  }

  void labelBox(const layout::Control& control) {
    open("input", name(control));
    html_.attr("class", "box")
        .attr("type", "text")
        .flag("readonly")
        .attr("spellcheck", "false")
        .attr("aria-describedby", kLabelBoxDescription)
        .close();
  }

  void selector(const layout::Control& control) {
    list(control, kValueItems, "lst val", {}, kSelectorDescription);
  }

  // A list one item high: a viewport on its items and a scroll bar, for the mouse alone, with
  // two arrows and a thumb in its groove.
  template <std::size_t N>
  void list(const layout::Control& control, const std::array<std::string_view, N>& items,
            std::string_view className, std::string_view label, std::string_view description) {
    const std::string id = name(control);
    open("div", id);
    html_.attr("class", className).attr("role", "listbox").attr("tabindex", "0");
    if (!label.empty()) {
      html_.attr("aria-label", label);
    }
    html_.attr("aria-describedby", description);
    if (control == layout::Control{group::List1, 0}) {
      html_.flag("autofocus");
    }
    html_.open("div").attr("class", "vp").open("div").attr("class", "its");
    for (std::size_t i = 0; i < N; ++i) {
      open("div", itemId(id, static_cast<int>(i)));
      html_.attr("role", "option").text(items[i]).close();
    }
    html_.close().close();
    scrollBar();
    html_.close();
  }

  void scrollBar() {
    html_.open("div").attr("class", "sb").attr("aria-hidden", "true").empty("b", "up");
    html_.open("div").attr("class", "gr").empty("b", "th").close().empty("b", "dn").close();
  }

  void option(const layout::Control& control) {
    if (control.index == 0) {
      html_.open("div")
          .attr("id", name({group::Frame1}))
          .attr("role", "radiogroup")
          .attr("aria-label", layout::kFrameAccessible.name)
          .attr("aria-describedby", kFrameDescription);
    }
    const auto i = static_cast<std::size_t>(control.index);
    open("div", name(control));
    html_.attr("class", "opt")
        .attr("role", "radio")
        .attr("aria-label", layout::kOptionAccessible[i].name)
        .attr("aria-describedby", kOptionDescription[i])
        .text(layout::kOption1[i].text)
        .close();
    if (control.index + 1 == static_cast<int>(layout::kOption1.size())) {
      html_.close();
    }
  }

  void clearButton(const layout::Control& control) {
    open("button", name(control));
    html_.attr("type", "button")
        .attr("aria-label", layout::kClearAccessible.name)
        .attr("aria-describedby", kClearDescription)
        .text(layout::kCommand1Text)
        .close();
  }

  // The result box and, over its right edge, a scroll bar of the page's own, drawn alike by
  // every browser (some hide their own until the pointer comes near).
  void resultBox(const layout::Control& control) {
    html_.open("div").attr("class", "txt");
    const std::string text = open("textarea", name(control));
    html_.flag("readonly")
        .attr("spellcheck", "false")
        .attr("aria-label", layout::kResultAccessible.name)
        .attr("aria-describedby", kResultDescription)
        .text(text)
        .close();
    scrollBar();
    html_.close();
  }

  StateAttributes state_;
  HtmlWriter html_;
};

}  // namespace

std::string layoutStyle() {
  const std::string family = "\"" + std::string(layout::kFontFamily) + "\",serif";
  std::string style;
  style +=
      rule("#window", "width:" + std::to_string(layout::toPixels(layout::kClientWidth)) +
                          "px;height:" + std::to_string(layout::toPixels(layout::kClientHeight)) +
                          "px;background:" + colour(layout::kWindowColour) +
                          ";font:" + points(layout::kWindowFontPoints) + " " + family);
  style += rule(".val", "font-size:" + points(layout::kValueFontPoints) +
                            ";--n:" + std::to_string(kValueItems.size()) + ";" +
                            size(layout::kSelectorWidth, layout::kSelectorHeight));
  style += rule(".box", size(layout::kLabelBoxWidth, layout::kLabelBoxHeight));
  style += rule(".sign", size(layout::kSignWidth, layout::kSignHeight));
  style += rule("#" + name({group::List2}), "--n:" + std::to_string(kCountItems.size()));
  style += rule(".cap", "background:" + colour(layout::kCaptionColour));
  style += rule(".sign", "background:" + colour(layout::kSignColour));
  style += rule(".sq,#" + name({group::Frame1}), "background:" + colour(layout::kWindowColour));
  style += rule(".box,.lst,.txt", "background:" + colour(layout::kWhite));
  style += rule("#" + name({group::Command1, 0}), "background:" + colour(layout::kClearColour));
  for (std::size_t i = 0; i < layout::kOption1.size(); ++i) {
    // An option's place is inside the frame.
    style += rule(
        "#" + name({group::Option1, static_cast<int>(i)}),
        place(layout::kOption1[i].place) + ";background:" + colour(layout::kOption1[i].colour));
  }
  for (std::size_t i = 0; i < layout::kLabel2.size(); ++i) {
    style +=
        rule("#" + name({group::Label2, static_cast<int>(i)}), place(layout::kLabel2[i].place));
  }
  style += rule("#" + name({group::List2}), place(layout::kList2));
  style += rule("#" + name({group::Frame1}), place(layout::kFrame1));
  style += rule("#" + name({group::Command1, 0}), place(layout::kCommand1));
  style += rule(".txt", place(layout::kText1));
  // On paper the result box stands in the window's flow at its place, so that the window grows
  // with it when it grows to hold the whole report (face.css).
  const layout::Pixels box = layout::toPixels(layout::kText1);
  style += "@media print{" +
           rule("#window>.txt",
                "position:static;height:auto;margin:" + std::to_string(box.top) + "px 0 " +
                    std::to_string(layout::toPixels(layout::kClientHeight) - box.top - box.height) +
                    "px " + std::to_string(box.left) + "px") +
           "}\n";
  style += rule("#" + name({group::Label1, kRowSlots}), place(layout::kEasterSquare));
  // The desktop stacks controls in the order it makes them, rows last and in ascending order,
  // each row's label box, sign and selector in turn; the markup is in Tab order instead, so the
  // rows say how they stack. Neighbours overlap by a pixel: the sign lies on its label box's
  // edge.
  for (int row = 0; row < kRowSlots; ++row) {
    const layout::RowPlaces places = layout::rowPlaces(row);
    const auto stack = [row](int part) { return ";z-index:" + std::to_string(3 * row + part); };
    style += rule("#" + name({group::Text2, row}), rowPlace(places.labelBox) + stack(1));
    style += rule("#" + name({group::Label1, row}), rowPlace(places.sign) + stack(2));
    style += rule("#" + name({group::List1, row}), rowPlace(places.selector) + stack(3));
  }
  return style;
}

std::string windowMarkup(const WindowState& state) {
  return WindowWriter(state).write();
}

}  // namespace nf::web

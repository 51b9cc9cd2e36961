#include "window_markup.h"

#include <cstdio>
#include <string_view>

#include "html_writer.h"
#include "window/layout.h"

namespace nf::web {
namespace {

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

// The desktop's rounding, so that every control lands on the same pixels.
std::string place(layout::Twips twips) {
  const layout::Pixels pixels = layout::toPixels(twips);
  return "left:" + std::to_string(pixels.left) + "px;top:" + std::to_string(pixels.top) +
         "px;width:" + std::to_string(pixels.width) + "px;height:" + std::to_string(pixels.height) +
         "px";
}

// The desktop stacks controls in the order it makes them, rows last and in ascending order,
// each row's label box, sign and selector in turn; the markup is in tab order instead, so rows
// say where they stack. Neighbours overlap by a pixel: the sign lies on its label box's edge.
enum class RowPart { LabelBox = 1, Sign = 2, Selector = 3 };

std::string rowPlace(int row, RowPart part) {
  const layout::RowPlaces places = layout::rowPlaces(row);
  const layout::Twips twips = part == RowPart::LabelBox ? places.labelBox
                              : part == RowPart::Sign   ? places.sign
                                                        : places.selector;
  return place(twips) + ";z-index:" + std::to_string(3 * row + static_cast<int>(part));
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

std::string indexed(std::string_view group, int index) {
  return std::string(group) + "_" + std::to_string(index);
}

std::size_t at(int row) {
  return static_cast<std::size_t>(row);
}

// The result box shows one line per CR LF; a text area's lines end in LF.
std::string withLineFeeds(std::string_view text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    }
    lines += text[i];
  }
  return lines;
}

class WindowWriter {
 public:
  explicit WindowWriter(const WindowState& state) : state_(state) {}

  std::string write() {
    html_.open("div")
        .attr("id", "window")
        .attr("data-box-name", layout::kLabelBoxNamePrefix)
        .attr("data-selector-name", layout::kSelectorNamePrefix);
    descriptions();
    fixedControls();
    focusableControls();
    html_.close();
    return html_.str();
  }

 private:
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
      html_.open("div")
          .attr("id", indexed("Label2", static_cast<int>(i)))
          .attr("class", "cap")
          .attr("style", place(layout::kLabel2[i].place))
          .text(layout::kLabel2[i].text)
          .close();
    }
    for (int row = 0; row < kRowSlots; ++row) {
      html_.open("div")
          .attr("id", indexed("Label1", row))
          .attr("class", "sign")
          .attr("role", "img")
          .attr("aria-label", layout::kSignAccessible.name)
          .attr("aria-describedby", kSignDescription)
          .attr("style", rowPlace(row, RowPart::Sign));
      hiddenUnlessShown(row);
      html_.text(layout::kSignText).close();
    }
    html_.open("div")
        .attr("id", indexed("Label1", kRowSlots))
        .attr("class", "sq")
        .attr("role", "img")
        .attr("title", layout::kEasterSquareTip)
        .attr("aria-label", layout::kEasterSquareTip)
        .attr("style", place(layout::kEasterSquare))
        .close();
  }

  // The controls that take focus, in the desktop's tab order: Tab follows the markup.
  void focusableControls() {
    for (int row = 0; row <= 7; ++row) {
      selector(row);
    }
    resultBox();
    for (int row = 0; row <= 15; ++row) {
      labelBox(row);
    }
    for (int row = 8; row <= 15; ++row) {
      selector(row);
    }
    for (int row = 31; row >= 24; --row) {
      selector(row);
    }
    for (int row = 31; row >= 16; --row) {
      labelBox(row);
    }
    for (int row = 23; row >= 16; --row) {
      selector(row);
    }
    countList();
    frame();
    clearButton();
  }

  void hiddenUnlessShown(int row) {
    if (!state_.shown[at(row)]) {
      html_.flag("hidden");
    }
  }

  void labelBox(int row) {
    const std::string_view label = state_.labels[at(row)];
    html_.open("input")
        .attr("id", indexed("Text2", row))
        .attr("class", "box")
        .attr("type", "text")
        .flag("readonly")
        .attr("spellcheck", "false")
        .attr("value", label)
        .attr("aria-label", std::string(layout::kLabelBoxNamePrefix) + std::string(label))
        .attr("aria-describedby", kLabelBoxDescription)
        .attr("style", rowPlace(row, RowPart::LabelBox));
    hiddenUnlessShown(row);
    html_.close();
  }

  void selector(int row) {
    const std::string id = indexed("List1", row);
    html_.open("div")
        .attr("id", id)
        .attr("class", "lst val")
        .attr("aria-label",
              std::string(layout::kSelectorNamePrefix) + std::string(state_.labels[at(row)]))
        .attr("aria-describedby", kSelectorDescription);
    list(id, state_.values[at(row)], rowPlace(row, RowPart::Selector));
    if (row == 0) {
      html_.flag("autofocus");
    }
    hiddenUnlessShown(row);
    listContent(id, kValueItems, state_.values[at(row)]);
  }

  void countList() {
    html_.open("div")
        .attr("id", "List2")
        .attr("class", "lst")
        .attr("aria-label", layout::kCountListAccessible.name)
        .attr("aria-describedby", kCountDescription);
    list("List2", state_.countIndex, place(layout::kList2));
    listContent("List2", kCountItems, state_.countIndex);
  }

  // A list one item high: the keyboard's current item is the selected one, or the first while
  // none is selected, and the list shows it at the top.
  void list(std::string_view id, int selected, const std::string& style) {
    const int current = selected < 0 ? 0 : selected;
    html_.attr("role", "listbox")
        .attr("tabindex", "0")
        .attr("aria-activedescendant", std::string(id) + "-" + std::to_string(current))
        .attr("style", style);
  }

  template <std::size_t N>
  void listContent(std::string_view id, const std::array<std::string_view, N>& items,
                   int selected) {
    const int top = selected < 0 ? 0 : selected;
    html_.open("div").attr("class", "vp").open("div").attr("class", "its");
    if (top > 0) {
      html_.attr("style", "transform:translateY(" + std::to_string(-100 * top / int{N}) + "%)");
    }
    for (std::size_t i = 0; i < N; ++i) {
      html_.open("div").attr("id", std::string(id) + "-" + std::to_string(i));
      if (static_cast<int>(i) == top) {
        html_.attr("class", "cur");
      }
      html_.attr("role", "option")
          .attr("aria-selected", static_cast<int>(i) == selected ? "true" : "false")
          .text(items[i])
          .close();
    }
    html_.close().close();
    // The scroll bar: two arrow buttons and the thumb in its groove, for the mouse alone.
    html_.open("div").attr("class", "sb").attr("aria-hidden", "true").empty("b", "up");
    html_.open("div").attr("class", "gr").open("b").attr("class", "th");
    if (top > 0) {
      html_.attr("style", "top:calc((100% - 3px) * " + std::to_string(top) + " / " +
                              std::to_string(N - 1) + ")");
    }
    html_.close().close().empty("b", "dn").close();
    html_.close();
  }

  void frame() {
    html_.open("div")
        .attr("id", "Frame1")
        .attr("role", "radiogroup")
        .attr("aria-label", layout::kFrameAccessible.name)
        .attr("aria-describedby", kFrameDescription)
        .attr("style", place(layout::kFrame1));
    // One tab stop for the pair: the selected option, or the first while none is.
    const int tabStop = state_.option < 0 ? 0 : state_.option;
    for (std::size_t i = 0; i < layout::kOption1.size(); ++i) {
      const int index = static_cast<int>(i);
      html_.open("div")
          .attr("id", indexed("Option1", index))
          .attr("class", "opt")
          .attr("role", "radio")
          .attr("aria-checked", index == state_.option ? "true" : "false")
          .attr("tabindex", index == tabStop ? "0" : "-1")
          .attr("aria-label", layout::kOptionAccessible[i].name)
          .attr("aria-describedby", kOptionDescription[i])
          .attr("style", place(layout::kOption1[i].place))
          .text(layout::kOption1[i].text)
          .close();
    }
    html_.close();
  }

  void clearButton() {
    html_.open("button")
        .attr("id", indexed("Command1", 0))
        .attr("type", "button")
        .attr("aria-label", layout::kClearAccessible.name)
        .attr("aria-describedby", kClearDescription)
        .attr("style", place(layout::kCommand1))
        .text(layout::kCommand1Text)
        .close();
  }

  void resultBox() {
    html_.open("textarea")
        .attr("id", indexed("Text1", 0))
        .flag("readonly")
        .attr("spellcheck", "false")
        .attr("aria-label", layout::kResultAccessible.name)
        .attr("aria-describedby", kResultDescription)
        .attr("style", place(layout::kText1))
        .text(withLineFeeds(state_.result))
        .close();
  }

  const WindowState& state_;
  HtmlWriter html_;
};

}  // namespace

std::string layoutStyle() {
  const std::string family = "\"" + std::string(layout::kFontFamily) + "\",serif";
  std::string style;
  style += "#window{width:" + std::to_string(layout::toPixels(layout::kClientWidth)) +
           "px;height:" + std::to_string(layout::toPixels(layout::kClientHeight)) +
           "px;background:" + colour(layout::kWindowColour) +
           ";font:" + points(layout::kWindowFontPoints) + " " + family + "}\n";
  style += ".val{font-size:" + points(layout::kValueFontPoints) + "}\n";
  style += ".cap{background:" + colour(layout::kCaptionColour) + "}\n";
  style += ".sign{background:" + colour(layout::kSignColour) + "}\n";
  style += ".sq,#Frame1{background:" + colour(layout::kWindowColour) + "}\n";
  style += ".box,.vp,#Text1_0{background:" + colour(layout::kWhite) + "}\n";
  for (std::size_t i = 0; i < layout::kOption1.size(); ++i) {
    style += "#" + indexed("Option1", static_cast<int>(i)) +
             "{background:" + colour(layout::kOption1[i].colour) + "}\n";
  }
  style += "#Command1_0{background:" + colour(layout::kClearColour) + "}\n";
  return style;
}

std::string windowMarkup(const WindowState& state) {
  return WindowWriter(state).write();
}

}  // namespace nf::web

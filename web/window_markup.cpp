#include "window_markup.h"

#include <map>
#include <utility>
#include <vector>

#include "html_writer.h"
#include "page_view.h"
#include "window/controls.h"

namespace nf::web {
namespace {

using layout::Control;
using layout::Group;
using layout::Kind;

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

bool inTabOrder(const Control& control) {
  for (const Control& stop : layout::tabOrder()) {
    if (stop == control) {
      return true;
    }
  }
  return false;
}

bool holdsOthers(const Control& control) {
  for (const Group& group : layout::groups()) {
    if (group.container == control.group) {
      return true;
    }
  }
  return false;
}

// The page's elements for the window's controls, by kind: each carries its kind's class, which
// the face's style draws, and its group's, which the layout's style places.
class WindowWriter {
 public:
  explicit WindowWriter(const WindowState& state) : written_(layout::controlCount(), false) {
    showControls(state, layout::stackingOrder(), state_);
  }

  std::string write() {
    descriptions();
    // The controls that take no focus first, group by group: their place in the markup is
    // free. Then the rest in Tab order, which follows the markup.
    for (const Group& group : layout::groups()) {
      for (int i = 0; i < group.size(); ++i) {
        const Control control{group.name, group.indexed ? i : layout::kAlone};
        if (!inTabOrder(control) && !holdsOthers(control)) {
          write(control);
        }
      }
    }
    for (const Control& control : layout::tabOrder()) {
      write(control);
    }
    return html_.str();
  }

 private:
  // The accessible descriptions, each written once into a hidden element that every control it
  // describes refers to.
  void descriptions() {
    for (const Control& control : layout::stackingOrder()) {
      const std::string_view text = layout::elementOf(control).accessible.description;
      if (!text.empty() && !descriptionIds_.contains(text)) {
        const std::string id = "d" + std::to_string(descriptionIds_.size());
        descriptionIds_.emplace(text, id);
        html_.open("div").attr("id", id).flag("hidden").text(text).close();
      }
    }
  }

  // Writes `control` once; a control held by another is written inside it.
  void write(const Control& control) {
    const Group& group = layout::groupOf(control);
    if (!group.container.empty()) {
      const Group& holder = *layout::findGroup(group.container);
      write({holder.name, holder.indexed ? 0 : layout::kAlone});
      return;
    }
    if (!written_[layout::slotOf(control)]) {
      element(control);
    }
  }

  void element(const Control& control) {
    written_[layout::slotOf(control)] = true;
    const Group& group = layout::groupOf(control);
    const std::string_view text = layout::elementOf(control).text;
    const std::string className(group.name);
    switch (group.kind) {
      case Kind::Label:
        open("div", control, "lbl " + className).text(text).close();
        break;
      case Kind::List:
        list(control, group, (group.fontPoints > 0 ? "lst sm " : "lst ") + className);
        break;
      case Kind::Frame:
        // The controls it holds, inside it in Tab order.
        open("div", control, "frm " + className);
        for (const Control& inside : layout::tabOrder()) {
          if (layout::groupOf(inside).container == group.name) {
            element(inside);
          }
        }
        html_.close();
        break;
      case Kind::OptionButton:
        open("div", control, "opt " + className).text(text).close();
        break;
      case Kind::PushButton:
        open("button", control, "btn " + className).text(text).close();
        break;
      case Kind::TextBox:
        if (group.multiLine) {
          resultBox(control, className);
        } else {
          open("input", control, "box " + className).close();
        }
        break;
    }
  }

  // Opens the element of `control` with its class, its fixed attributes and those the state
  // gives it; a text box's text goes into `content_`.
  HtmlWriter& open(std::string_view tag, const Control& control, const std::string& className) {
    const Group& group = layout::groupOf(control);
    const layout::Element element = layout::elementOf(control);
    const std::string id = control.name();
    html_.open(tag).attr("id", id);
    if (!className.empty()) {
      html_.attr("class", className);
    }
    if (tag == "button") {
      html_.attr("type", "button");
    } else if (tag == "input") {
      html_.attr("type", "text").flag("readonly").attr("spellcheck", "false");
    } else if (tag == "textarea") {
      html_.flag("readonly").attr("spellcheck", "false");
    } else if (!group.role.empty()) {
      html_.attr("role", group.role);
    }
    if (!element.tip.empty()) {
      html_.attr("title", element.tip);
    }
    if (!group.namedByRowLabel && !element.accessible.name.empty()) {
      html_.attr("aria-label", element.accessible.name);
    }
    if (!element.accessible.description.empty()) {
      html_.attr("aria-describedby", descriptionIds_.at(element.accessible.description));
    }
    content_.clear();
    for (const auto& [name, value] : state_.byElement[id]) {
      if (name == "hidden") {
        html_.flag("hidden");
      } else if (name == "value" && tag == "textarea") {
        content_ = value;
      } else {
        html_.attr(name, value);
      }
    }
    return html_;
  }

  // A list one item high: a viewport on its items and a scroll bar, for the mouse alone, with
  // two arrows and a thumb in its groove.
  void list(const Control& control, const Group& group, const std::string& className) {
    open("div", control, className).attr("tabindex", "0");
    if (control == layout::tabOrder().front()) {
      html_.flag("autofocus");
    }
    html_.open("div").attr("class", "vp").open("div").attr("class", "its");
    const std::string id = control.name();
    for (std::size_t i = 0; i < group.items.size(); ++i) {
      const std::string item = itemId(id, static_cast<int>(i));
      html_.open("div").attr("id", item);
      for (const auto& [name, value] : state_.byElement[item]) {
        html_.attr(name, value);
      }
      html_.attr("role", "option").text(group.items[i]).close();
    }
    html_.close().close();
    scrollBar();
    html_.close();
  }

  void scrollBar() {
    html_.open("div").attr("class", "sb").attr("aria-hidden", "true").empty("b", "up");
    html_.open("div").attr("class", "gr").empty("b", "th").close().empty("b", "dn").close();
  }

  // A box of many lines and, over its right edge, a scroll bar of the page's own, drawn alike
  // by every browser (some hide their own until the pointer comes near). The frame around
  // them stands at the control's place.
  void resultBox(const Control& control, const std::string& className) {
    html_.open("div").attr("id", control.name() + "-area").attr("class", "txt " + className);
    open("textarea", control, "").text(content_).close();
    scrollBar();
    html_.close();
  }

  StateAttributes state_;
  std::map<std::string_view, std::string> descriptionIds_;
  std::vector<bool> written_;
  std::string content_;
  HtmlWriter html_;
};

}  // namespace

std::string windowMarkup(const WindowState& state) {
  return WindowWriter(state).write();
}

}  // namespace nf::web

#include "page_view.h"

#include "window/control_view.h"

namespace nf::web {
namespace {

using layout::Kind;

// A list one item high shows its selected item; the keyboard's current item is that one, or
// the first while none is selected.
void list(AttributeSink& sink, const std::string& name, int items, int selected) {
  const int current = selected < 0 ? 0 : selected;
  sink.set(name, "aria-activedescendant", itemId(name, current));
  for (int item = 0; item < items; ++item) {
    const std::string id = itemId(name, item);
    sink.set(id, "aria-selected", item == selected ? "true" : "false");
    sink.set(id, "class", item == current ? std::optional<std::string_view>("cur") : std::nullopt);
  }
}

void show(const WindowState& state, const layout::Control& control, AttributeSink& sink) {
  const layout::Group& group = layout::groupOf(control);
  const ControlView view = viewOf(state, control);
  const std::string name = control.name();
  switch (group.kind) {
    case Kind::List:
      list(sink, name, static_cast<int>(group.items.size()), view.selected);
      break;
    case Kind::OptionButton: {
      // The options are one stop of the Tab key: the selected one, or the first while none is.
      const bool checked = view.selected == control.index;
      sink.set(name, "aria-checked", checked ? "true" : "false");
      sink.set(name, "tabindex", checked || (view.selected < 0 && control.index == 0) ? "0" : "-1");
      break;
    }
    case Kind::TextBox:
      sink.set(name, "value", group.multiLine ? withLineFeeds(view.text) : std::string(view.text));
      break;
    default:
      break;
  }
  if (!view.nameEnd.empty()) {
    sink.set(name, "aria-label",
             std::string(layout::elementOf(control).accessible.name).append(view.nameEnd));
  }
  if (layout::rowOf(control)) {
    sink.set(name, "hidden", view.shown ? std::nullopt : std::optional<std::string_view>(""));
  }
}

class PatchText : public AttributeSink {
 public:
  void set(std::string_view element, std::string_view name,
           std::optional<std::string_view> value) override {
    if (!text.empty()) {
      text += '\x1e';
    }
    text.append(element).append(1, '\x1f').append(name);
    if (value) {
      text.append(1, '\x1f').append(*value);
    }
  }

  std::string text;
};

}  // namespace

std::string itemId(std::string_view list, int item) {
  return std::string(list) + "-" + std::to_string(item);
}

void showControls(const WindowState& state, std::span<const layout::Control> controls,
                  AttributeSink& sink) {
  for (const layout::Control& control : controls) {
    show(state, control, sink);
  }
}

std::string patchText(const WindowState& state, std::span<const layout::Control> controls) {
  PatchText patch;
  showControls(state, controls, patch);
  return std::move(patch.text);
}

}  // namespace nf::web

#include "control_view.h"

#include "window/layout.h"

namespace nf::web {
namespace {

namespace group = layout::group;

std::size_t at(int row) {
  return static_cast<std::size_t>(row);
}

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

WindowChanges everything() {
  WindowChanges all;
  all.countIndex = all.option = all.result = true;
  all.values.set();
  all.labels.set();
  all.shown.set();
  return all;
}

void showState(const WindowState& state, const WindowChanges& changes, AttributeSink& sink) {
  if (changes.countIndex) {
    list(sink, layout::Control{group::List2}.name(), static_cast<int>(kCountItems.size()),
         state.countIndex);
  }
  if (changes.option) {
    // The pair is one stop of the Tab key: the selected option, or the first while none is.
    const int stop = state.option < 0 ? 0 : state.option;
    for (int option = 0; option < 2; ++option) {
      const std::string name = layout::Control{group::Option1, option}.name();
      sink.set(name, "aria-checked", option == state.option ? "true" : "false");
      sink.set(name, "tabindex", option == stop ? "0" : "-1");
    }
  }
  for (int row = 0; row < kRowSlots; ++row) {
    const std::string box = layout::Control{group::Text2, row}.name();
    const std::string selector = layout::Control{group::List1, row}.name();
    if (changes.values[at(row)]) {
      list(sink, selector, static_cast<int>(kValueItems.size()), state.values[at(row)]);
    }
    if (changes.labels[at(row)]) {
      const std::string_view label = state.labels[at(row)];
      sink.set(box, "value", label);
      sink.set(box, "aria-label", std::string(layout::kLabelBoxNamePrefix).append(label));
      sink.set(selector, "aria-label", std::string(layout::kSelectorNamePrefix).append(label));
    }
    if (changes.shown[at(row)]) {
      const std::optional<std::string_view> hidden =
          state.shown[at(row)] ? std::nullopt : std::optional<std::string_view>("");
      sink.set(box, "hidden", hidden);
      sink.set(layout::Control{group::Label1, row}.name(), "hidden", hidden);
      sink.set(selector, "hidden", hidden);
    }
  }
  if (changes.result) {
    sink.set(layout::Control{group::Text1, 0}.name(), "value", withLineFeeds(state.result));
  }
}

std::string patchText(const WindowState& state, const WindowChanges& changes) {
  PatchText patch;
  showState(state, changes, patch);
  return std::move(patch.text);
}

}  // namespace nf::web

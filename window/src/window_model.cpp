#include "window/window_model.h"

#include <algorithm>
#include <optional>

#include "core/report.h"
#include "window/control_view.h"

namespace nf {
namespace {

namespace group = layout::group;

std::size_t at(int index) {
  return static_cast<std::size_t>(index);
}

bool isItemOf(const layout::Group& list, int item) {
  return item >= 0 && item < static_cast<int>(list.items.size());
}

// The item a key chooses on a list whose keyboard's current item is `current`: the one it
// steps to, the first or the last, the current one, or the one whose text it types.
std::optional<int> itemFor(const KeyPress& key, const layout::Group& list, int current) {
  const int last = static_cast<int>(list.items.size()) - 1;
  switch (key.key) {
    case Key::Up:
    case Key::PageUp:
      return std::max(current - 1, 0);
    case Key::Down:
    case Key::PageDown:
      return std::min(current + 1, last);
    case Key::Home:
      return 0;
    case Key::End:
      return last;
    case Key::Space:
      return current;
    default:
      break;
  }
  // The items are one character each, so a typed character means that item alone.
  for (int item = 0; item <= last; ++item) {
    if (!key.text.empty() && key.text == list.items[at(item)]) {
      return item;
    }
  }
  return std::nullopt;
}

}  // namespace

WindowModel::WindowModel() {
  // As the window opens: nothing chosen, no value selected, the first eight rows shown with
  // the three-variable labels and every other label box holding the label of row 0.
  const int lastShown = lastRowFromLabelTable(0);
  for (int row = 0; row < kRowSlots; ++row) {
    state_.values[at(row)] = kNoItem;
    state_.labels[at(row)] = rowLabel(0, row <= lastShown ? row : 0);
    state_.shown[at(row)] = row <= lastShown;
  }
  state_.result = assignmentText();
  Form_Load();
}

Answer WindowModel::input(const layout::Control& control, int item) {
  if (!layout::exists(control) || !layout::groupOf(control).takesInput) {
    return {};
  }
  const WindowState before = state_;
  const bool took = notify(control, item);
  return {changedControls(before, state_, control), std::nullopt,
          took ? std::optional<Input>(Input{control, item}) : std::nullopt};
}

Answer WindowModel::key(const layout::Control& control, const KeyPress& key) {
  if (key.shortcut || !layout::exists(control)) {
    return {};
  }
  const layout::Group& group = layout::groupOf(control);
  switch (group.kind) {
    case layout::Kind::List: {
      const int current = std::max(viewOf(state_, control).selected, 0);
      const std::optional<int> item = itemFor(key, group, current);
      return item ? input(control, *item) : Answer{};
    }
    case layout::Kind::OptionButton: {
      if (key.key == Key::Space) {
        return input(control);
      }
      // An arrow moves to the neighbouring option and selects it, whether or not the one it
      // leaves was selected; in a pair, every arrow moves to the other one.
      const int step = key.key == Key::Left || key.key == Key::Up      ? -1
                       : key.key == Key::Right || key.key == Key::Down ? 1
                                                                       : 0;
      if (step == 0) {
        return {};
      }
      const int options = group.size();
      const layout::Control next{control.group, (control.index + step + options) % options};
      Answer answer = input(next);
      answer.focus = next;
      return answer;
    }
    case layout::Kind::PushButton:
      // Enter presses a focused button, as Space does.
      return key.key == Key::Enter || key.key == Key::Space ? input(control) : Answer{};
    default:
      return {};
  }
}

bool WindowModel::notify(const layout::Control& control, int item) {
  const layout::Group& group = layout::groupOf(control);
  if (control.group == group::List2) {
    if (!isItemOf(group, item)) {
      return false;
    }
    selectCount(item);
  } else if (control.group == group::List1) {
    if (!state_.shown[at(control.index)] || !isItemOf(group, item)) {
      return false;
    }
    selectValue(control.index, item);
  } else if (control.group == group::Option1) {
    selectOption(control.index);
  } else if (control.group == group::Command1) {
    Command1_Click(control.index);
  } else if (control.group == group::Label1) {
    Label1_Click(control.index);
  } else {
    return false;
  }
  return true;
}

void WindowModel::Form_Load() {
  ResetInputs();
}

void WindowModel::List1_Click(int /*Index*/) {
  UpdateResult();
}

void WindowModel::Option1_Click(int /*Index*/) {
  UpdateResult();
  if (state_.countIndex == kNoCount) {
    selectCount(0);
  }
}

void WindowModel::List2_Click() {
  if (state_.option == kNoOption) {
    selectOption(0);
  }
  const int countIndex = state_.countIndex;
  const int lastRow = lastRowFromCountItem(kCountItems[at(countIndex)]);
  for (int row = 0; row < kRowSlots; ++row) {
    state_.shown[at(row)] = false;
  }
  for (int row = 0; row <= lastRow; ++row) {
    state_.shown[at(row)] = true;
    state_.labels[at(row)] = rowLabel(countIndex, row);
  }
  UpdateResult();
}

void WindowModel::Command1_Click(int Index) {
  if (Index != 0) {
    return;
  }
  ResetInputs();
  selectCount(0);
  selectOption(0);
  state_.result.clear();
}

// The " = " signs and the square take clicks and ignore them.
void WindowModel::Label1_Click(int /*Index*/) {}

void WindowModel::ResetInputs() {
  deselectOptions();
  // Every face keeps the label boxes read-only from the start, so there is no flag to set
  // again here; only the values are reset.
  for (int row = 0; row < kRowSlots; ++row) {
    selectValue(row, 0);
  }
}

void WindowModel::UpdateResult() {
  TruthTable table;
  table.setCountIndex(state_.countIndex);
  for (int row = 0; row < kRowSlots; ++row) {
    table.setSelectedItem(row, state_.values[at(row)]);
  }
  std::optional<std::string> report = state_.option == 0 ? WriteDnf(table) : WriteKnf(table);
  if (report) {
    state_.result = std::move(*report);
  }
}

void WindowModel::selectCount(int index) {
  if (state_.countIndex != index) {
    state_.countIndex = index;
    List2_Click();
  }
}

void WindowModel::selectOption(int index) {
  if (state_.option != index) {
    state_.option = index;
    Option1_Click(index);
  }
}

void WindowModel::selectValue(int row, int item) {
  if (state_.values[at(row)] != item) {
    state_.values[at(row)] = item;
    List1_Click(row);
  }
}

void WindowModel::deselectOptions() {
  state_.option = kNoOption;
}

}  // namespace nf

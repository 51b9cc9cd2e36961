#include "window/window_model.h"

#include <optional>

#include "core/report.h"

namespace nf {
namespace {

bool isRow(int row) {
  return row >= 0 && row < kRowSlots;
}

bool isItem(int item) {
  return item >= 0 && item < static_cast<int>(kValueItems.size());
}

std::size_t at(int index) {
  return static_cast<std::size_t>(index);
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

template <typename Input>
WindowChanges WindowModel::handle(Input input) {
  const WindowState before = state_;
  input();
  return changesBetween(before, state_);
}

WindowChanges WindowModel::chooseCount(int index) {
  if (index < 0 || index >= static_cast<int>(kCountItems.size())) {
    return {};
  }
  return handle([this, index] { selectCount(index); });
}

WindowChanges WindowModel::chooseForm(int index) {
  if (index != 0 && index != 1) {
    return {};
  }
  return handle([this, index] { selectOption(index); });
}

WindowChanges WindowModel::chooseValue(int row, int item) {
  if (!isRow(row) || !state_.shown[at(row)] || !isItem(item)) {
    return {};
  }
  return handle([this, row, item] { selectValue(row, item); });
}

WindowChanges WindowModel::pressClear(int index) {
  return handle([this, index] { Command1_Click(index); });
}

WindowChanges WindowModel::clickLabel(int index) {
  return handle([this, index] { Label1_Click(index); });
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

#include "core/truth_table.h"

#include <cstddef>

namespace nf {
namespace {

constexpr int kMaxVariables = 5;
constexpr std::size_t kMaxLabelLength = 2 * kMaxVariables - 1;

// One label with room for five digits and the four blanks between them.
struct Label {
  std::array<char, kMaxLabelLength> text{};
  std::size_t length = 0;
};

template <int Variables>
constexpr std::array<Label, std::size_t{1} << Variables> makeLabelTable() {
  std::array<Label, std::size_t{1} << Variables> table{};
  for (std::size_t row = 0; row < table.size(); ++row) {
    Label& label = table[row];
    for (int digit = 0; digit < Variables; ++digit) {
      if (digit > 0) {
        label.text[label.length++] = ' ';
      }
      const int bit = Variables - 1 - digit;  // the leftmost digit is the most significant bit
      label.text[label.length++] = ((row >> bit) & 1U) != 0 ? '1' : '0';
    }
  }
  return table;
}

constexpr auto kLabels3 = makeLabelTable<3>();
constexpr auto kLabels4 = makeLabelTable<4>();
constexpr auto kLabels5 = makeLabelTable<5>();

bool isCountIndex(int countIndex) {
  return countIndex >= 0 && countIndex < static_cast<int>(kCountItems.size());
}

bool isSlot(int row) {
  return row >= 0 && row < kRowSlots;
}

}  // namespace

int numericValue(std::string_view text) {
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      break;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

bool isTrueValue(std::string_view valueText) {
  return numericValue(valueText) == 1;
}

int variableCount(int countIndex) {
  return isCountIndex(countIndex) ? countIndex + 3 : 0;
}

int lastRowFromCountItem(std::string_view countItem) {
  switch (numericValue(countItem) - 3) {
    case 0:
      return 7;
    case 1:
      return 15;
    case 2:
      return 31;
    default:
      return -1;
  }
}

int rowLabelCount(int countIndex) {
  switch (countIndex) {
    case 0:
      return static_cast<int>(kLabels3.size());
    case 1:
      return static_cast<int>(kLabels4.size());
    case 2:
      return static_cast<int>(kLabels5.size());
    default:
      return 0;
  }
}

int lastRowFromLabelTable(int countIndex) {
  return rowLabelCount(countIndex) - 1;
}

std::string_view rowLabel(int countIndex, int row) {
  if (row < 0 || row >= rowLabelCount(countIndex)) {
    return {};
  }
  const auto index = static_cast<std::size_t>(row);
  const Label& label = countIndex == 0   ? kLabels3[index]
                       : countIndex == 1 ? kLabels4[index]
                                         : kLabels5[index];
  return {label.text.data(), label.length};
}

void TruthTable::setCountIndex(int countIndex) {
  if (isCountIndex(countIndex)) {
    countIndex_ = countIndex;
  }
}

int TruthTable::lastRow() const {
  return lastRowFromLabelTable(countIndex_);
}

int TruthTable::selectedItem(int row) const {
  return isSlot(row) ? selected_[static_cast<std::size_t>(row)] : -1;
}

void TruthTable::setSelectedItem(int row, int item) {
  if (isSlot(row) && item >= -1 && item < static_cast<int>(kValueItems.size())) {
    selected_[static_cast<std::size_t>(row)] = item;
  }
}

std::string_view TruthTable::value(int row) const {
  const int item = selectedItem(row);
  return item < 0 ? std::string_view{} : kValueItems[static_cast<std::size_t>(item)];
}

bool TruthTable::isTrue(int row) const {
  return isTrueValue(value(row));
}

void TruthTable::resetValues() {
  selected_ = filledWith(0);
}

}  // namespace nf

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace nf {

/// Count index while no variable count has been chosen.
inline constexpr int kNoCount = -1;

/// Number of row slots; the largest table (five variables) uses all of them.
inline constexpr int kRowSlots = 32;

/// Item texts of the count list, in list order: index 0, 1, 2 give 3, 4, 5 variables.
inline constexpr std::array<std::string_view, 3> kCountItems = {"3", "4", "5"};

/// Item texts of every value selector, in list order.
inline constexpr std::array<std::string_view, 2> kValueItems = {"0", "1"};

/// Numeric value of a text: the decimal number it begins with, 0 when it begins with none.
int numericValue(std::string_view text);

/// Whether a row whose selected value text is `valueText` counts as true (its value is 1).
bool isTrueValue(std::string_view valueText);

/// Number of variables (3, 4 or 5) for count index 0, 1 or 2.
int variableCount(int countIndex);

/// Last row index (7, 15 or 31) derived from the text of a count item ("3", "4" or "5").
int lastRowFromCountItem(std::string_view countItem);

/// Number of labels (8, 16 or 32) in the row-label table of count index 0, 1 or 2.
int rowLabelCount(int countIndex);

/// Last row index derived from the length of the row-label table of a count index.
int lastRowFromLabelTable(int countIndex);

/// Label of row `row` in the table of count index `countIndex`: its binary digits, most
/// significant first, one blank between digits ("1 0 1" for row 5 of three variables).
std::string_view rowLabel(int countIndex, int row);

/// The state the report is built from: the chosen count and the selected item of every slot.
/// A plain value: the window fills one from its controls before asking for a report.
class TruthTable {
 public:
  /// Count index: 0, 1 or 2, or kNoCount while none is chosen.
  int countIndex() const { return countIndex_; }

  /// Chooses count index 0, 1 or 2; any other value is ignored.
  void setCountIndex(int countIndex);

  /// Last row index for the chosen count (7, 15 or 31), or -1 while none is chosen.
  int lastRow() const;

  /// Selected item of slot `row`: 0, 1, or -1 for none; -1 for a row outside 0..31.
  int selectedItem(int row) const;

  /// Selects item 0 ("0") or 1 ("1") of slot `row`; -1 clears it. Other values are ignored.
  void setSelectedItem(int row, int item);

  /// Value text of slot `row`: "0", "1", or empty while nothing is selected.
  std::string_view value(int row) const;

  /// Whether slot `row` holds the value 1.
  bool isTrue(int row) const;

  /// Selects item 0 in every slot, hidden ones included; the count is left alone.
  void resetValues();

 private:
  int countIndex_ = kNoCount;
  std::array<int, kRowSlots> selected_ = filledWith(-1);

  static constexpr std::array<int, kRowSlots> filledWith(int item) {
    std::array<int, kRowSlots> items{};
    items.fill(item);
    return items;
  }
};

}  // namespace nf

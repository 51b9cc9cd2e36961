#pragma once

#include <array>
#include <string>

/// What the user should see after each action, written from the window's table of end states
/// rather than from its handlers: the chosen count and form, the 32 values, the row labels and
/// the result box. Each method is one selection the user makes; one that changes nothing is
/// allowed. Every test that predicts the window (model, desktop, browser) asks this one.
class UserModel {
 public:
  enum class Box { Assignment, Empty, Report };

  UserModel();

  void chooseCount(int countIndex);
  void chooseForm(int form);
  void setValue(int row, int value);
  void clear();

  /// Count index 0..2, or -1 while none is chosen.
  int countIndex() const { return countIndex_; }
  /// 0 for ДНФ, 1 for КНФ, -1 while none is chosen.
  int form() const { return form_; }
  int value(int row) const { return values_[static_cast<std::size_t>(row)]; }
  /// Rows shown: those of the chosen count, the first eight while none is chosen.
  int shownRows() const { return countIndex_ < 0 ? 8 : 8 << countIndex_; }
  /// Label in row `row`'s box; a hidden row keeps the label of the last count that showed it.
  const std::string& label(int row) const { return labels_[static_cast<std::size_t>(row)]; }
  Box box() const { return box_; }
  /// The result box's text, each line ended by CR LF: the assignment, nothing, or the report.
  std::string boxText() const;

 private:
  void relabelShownRows();

  int countIndex_ = -1;
  int form_ = -1;
  std::array<int, 32> values_{};
  std::array<std::string, 32> labels_;
  Box box_ = Box::Assignment;
};

/// Label of row `row` with `digits` digits, worked out from the row's bits: "1 0 1" for row 5.
std::string binaryLabel(int row, int digits);

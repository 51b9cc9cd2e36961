#pragma once

#include <QStringList>
#include <array>

/// What the user should see after each action, written from the window's table of end states
/// rather than from its handlers: the chosen count and form, the 32 values and the result box.
/// Each method is one selection the user makes; one that changes nothing is allowed.
class UserModel {
 public:
  enum class Box { Assignment, Empty, Report };

  void chooseCount(int countIndex);
  void chooseForm(int form);
  void setValue(int row, int value);
  void clear();

  int countIndex() const { return countIndex_; }
  int form() const { return form_; }
  int value(int row) const { return values_[static_cast<std::size_t>(row)]; }
  /// Rows shown: those of the chosen count, the first eight while none is chosen.
  int shownRows() const { return countIndex_ < 0 ? 8 : 8 << countIndex_; }
  /// Label the user reads in row `row`'s box.
  QString label(int row) const;
  Box box() const { return box_; }
  /// Lines of the result box while it holds a report.
  QStringList reportLines() const;

 private:
  void report() { box_ = Box::Report; }

  int countIndex_ = -1;
  int form_ = -1;
  std::array<int, 32> values_{};
  Box box_ = Box::Assignment;
};

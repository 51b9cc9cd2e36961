#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/truth_table.h"

namespace nf {

/// Option index while neither option of the pair is selected.
inline constexpr int kNoOption = -1;

/// Selected item of a value selector before the window's load handler first resets it.
inline constexpr int kNoItem = -1;

/// Everything the window's controls show, as plain values. Every face draws exactly this.
struct WindowState {
  /// Selected item of the count list `List2`: 0, 1, 2 for "3", "4", "5", or kNoCount.
  int countIndex = kNoCount;
  /// Selected option of the pair `Option1`: 0 for ДНФ, 1 for КНФ, or kNoOption.
  int option = kNoOption;
  /// Selected item of each value selector `List1(i)`: 0 ("0"), 1 ("1"), or kNoItem.
  std::array<int, kRowSlots> values{};
  /// Text of each row's label box `Text2(i)`; always one of the core's row labels.
  std::array<std::string_view, kRowSlots> labels{};
  /// Whether row i's label box, " = " sign and value selector are shown.
  std::array<bool, kRowSlots> shown{};
  /// Text of the result box `Text1(0)`, every line ended by CR LF.
  std::string result;

  bool operator==(const WindowState&) const = default;
};

/// `text` as a box or a terminal shows it: one line feed for each CR LF.
std::string withLineFeeds(std::string_view text);

/// The assignment the tool answers, as the result box shows it when the window opens: eleven
/// lines, each ended by CR LF.
std::string assignmentText();

}  // namespace nf

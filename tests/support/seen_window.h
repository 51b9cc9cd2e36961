#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

class UserModel;

/// What a face shows, as a test reads it off the face's controls: the one form in which every
/// face's reader (the model's state, the Qt widgets, the page) hands over what the user sees.
struct SeenWindow {
  /// Selected item of the count list, -1 for none.
  int count = -1;
  /// Whether the ДНФ and the КНФ option are checked.
  std::array<bool, 2> options{};
  /// Selected item of each row's value selector, -1 for none (or for several).
  std::array<int, 32> values{};
  /// How many of each row's three controls (label box, sign, selector) are shown.
  std::array<int, 32> shownControls{};
  /// Text of each row's label box; none where the face has not made the row yet.
  std::array<std::optional<std::string>, 32> labels;
  /// The result box as it shows its text, one "\n" per line break.
  std::string box;
};

/// The first way `seen` differs from what `expected` says the user should see, or an empty
/// text: the count, the form, which rows show, the labels, the values and the result box.
std::string difference(const SeenWindow& seen, const UserModel& expected);

/// `text` with every CR LF as the one line break a box shows for it.
std::string withLineFeeds(std::string_view text);

/// Reads a window from the line a driver in another language writes: tab-separated fields,
/// the count, the two options ("10"), the 32 values ("0", "1" or "-" each), the 32 counts of
/// shown controls, the 32 labels, and the box with "\\", "\n", "\t" and "\r" escaped as in C.
/// None when the line is not of that form.
std::optional<SeenWindow> parseSeenWindow(std::string_view line);

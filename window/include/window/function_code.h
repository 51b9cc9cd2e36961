#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "window/window_model.h"

namespace nf {

/// The longest text readCode reads, in characters (a byte that is not UTF-8 counts as one). A
/// code has at most 36 characters besides blanks and joiners; a longer text is refused unread,
/// so that no reader of the program (the page's address, the command line) ever has to carry
/// an unbounded text further.
inline constexpr std::size_t kLongestCodeText = 200;

/// A function as its code names it: the form and the values of the rows the count shows.
/// A code is the form, a dash and the value column in row order, row 0 first:
/// `dnf-01101001` (three variables, ДНФ) or `knf-0110100110010110` (four variables, КНФ).
struct Function {
  /// 0 for ДНФ (dnf), 1 for КНФ (knf), as WindowState::option.
  int form = 0;
  /// 0, 1 or 2 for three, four or five variables, as WindowState::countIndex.
  int countIndex = 0;
  /// Value, 0 or 1, of rows 0 .. (8 << countIndex) - 1; every later row holds 0.
  std::array<int, kRowSlots> values{};

  bool operator==(const Function&) const = default;
};

/// Marks a message's English text for the translators' catalogue (the extraction tool's
/// keyword) and leaves it as it is: this library writes English and knows no catalogue, and a
/// face that speaks another language looks the marked text up in its own.
#define NF_MESSAGE(text) text

/// A message kept apart from its arguments, so that a face can translate it: `text` is a fixed
/// English text marked with NF_MESSAGE, with "%s" where the arguments go in order, or "%1$s"
/// and "%2$s" for one by its number.
struct Message {
  std::string_view text;
  std::array<std::string, 2> arguments;

  /// The message in English, its arguments put in.
  std::string english() const;
};

/// `text` with its places filled from `arguments`, as Message describes; "%%" is one "%".
std::string formatted(std::string_view text, const std::array<std::string, 2>& arguments);

/// What reading a code gives: the function, or what is wrong with the code.
struct CodeReading {
  std::optional<Function> function;
  /// One plain sentence, lower case first and no full stop, whose arguments have passed
  /// shownText; no text when the code was read.
  Message problem;
};

/// The code of the function the window shows, or none while it shows no report: before a
/// count is chosen, and after Clear empties the result box.
std::optional<std::string> writeCode(const WindowState& state);

/// Reads a code. Upper or lower case, blanks, and one `-` or `_` between groups of values are
/// all accepted ("DNF-0110 1001", "knf_0110-1001"); anything else is an error, and so is a text
/// longer than kLongestCodeText. The problem names at most one character of the text.
CodeReading readCode(std::string_view code);

/// Gives `window` the function by the inputs a user would make: the count, then the form, then
/// the value of every row of that count. From a freshly opened window this reaches exactly the
/// state the same clicks reach. A function readCode did not make must have its fields in range.
void applyCode(WindowModel& window, const Function& function);

/// The report the window shows for `function`, one "\n" after every line: what --print writes.
std::string printedReport(const Function& function);

}  // namespace nf

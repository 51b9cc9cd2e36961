#include "window/function_code.h"

#include "window/controls.h"
#include "window/shown_text.h"

namespace nf {
namespace {

constexpr std::array<std::string_view, 2> kFormNames = {"dnf", "knf"};
constexpr std::size_t kLongestCode = 4 + kRowSlots;

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isJoiner(char c) {
  return c == '-' || c == '_';
}

bool isLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Index of the form the code begins with, or none.
std::optional<int> formNamed(std::string_view name) {
  for (std::size_t form = 0; form < kFormNames.size(); ++form) {
    const std::string_view expected = kFormNames[form];
    bool same = name.size() == expected.size();
    for (std::size_t i = 0; same && i < name.size(); ++i) {
      same = lowerCase(name[i]) == expected[i];
    }
    if (same) {
      return static_cast<int>(form);
    }
  }
  return std::nullopt;
}

CodeReading failure(Message problem) {
  return {std::nullopt, std::move(problem)};
}

// Three texts rather than a plural form with a number: English and Bulgarian, the catalogues
// there are, both write one value apart from all other counts.
CodeReading countFailure(std::size_t count) {
  if (count == 0) {
    return failure(
        {NF_MESSAGE("no values: a function of 3, 4 or 5 variables has 8, 16 or 32"), {}});
  }
  if (count == 1) {
    return failure({NF_MESSAGE("1 value: a function of 3, 4 or 5 variables has 8, 16 or 32"), {}});
  }
  return failure({NF_MESSAGE("%s values: a function of 3, 4 or 5 variables has 8, 16 or 32"),
                  {std::to_string(count)}});
}

}  // namespace

std::string formatted(std::string_view text, const std::array<std::string, 2>& arguments) {
  std::string result;
  result.reserve(text.size() + arguments[0].size() + arguments[1].size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with("%%")) {
      result.push_back('%');
      ++i;
    } else if (rest.starts_with("%s") && next < arguments.size()) {
      result.append(arguments[next++]);
      ++i;
    } else if (rest.starts_with("%1$s") || rest.starts_with("%2$s")) {
      result.append(arguments[static_cast<std::size_t>(rest[1] - '1')]);
      i += 3;
    } else {
      result.push_back(text[i]);
    }
  }
  return result;
}

std::string Message::english() const {
  return formatted(text, arguments);
}

std::optional<std::string> writeCode(const WindowState& state) {
  const auto rows = static_cast<std::size_t>(rowLabelCount(state.countIndex));
  if (rows == 0 || state.result.empty() || (state.option != 0 && state.option != 1)) {
    return std::nullopt;
  }
  std::string code;
  code.reserve(kLongestCode);
  code.append(kFormNames[static_cast<std::size_t>(state.option)]).push_back('-');
  for (std::size_t row = 0; row < rows; ++row) {
    code.push_back(state.values[row] == 1 ? '1' : '0');
  }
  return code;
}

CodeReading readCode(std::string_view code) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < code.size() && characters <= kLongestCodeText; ++characters) {
    at += characterLength(code.substr(at));
  }
  if (characters > kLongestCodeText) {
    return failure(
        {NF_MESSAGE("the code is longer than %s characters"), {std::to_string(kLongestCodeText)}});
  }
  std::string_view rest = trimmed(code);
  if (rest.empty()) {
    return failure({NF_MESSAGE("the code is empty"), {}});
  }
  std::size_t letters = 0;
  while (letters < rest.size() && isLetter(rest[letters])) {
    ++letters;
  }
  const std::optional<int> form = formNamed(rest.substr(0, letters));
  if (!form) {
    return failure({NF_MESSAGE("the form is dnf or knf"), {}});
  }
  rest = trimmed(rest.substr(letters));
  if (rest.empty() || !isJoiner(rest.front())) {
    return failure({NF_MESSAGE("a dash follows the form, as in %s-01101001"),
                    {std::string(kFormNames[static_cast<std::size_t>(*form)])}});
  }
  rest.remove_prefix(1);

  Function function;
  function.form = *form;
  std::size_t count = 0;
  // Between two values there may be blanks and at most one joiner; a joiner elsewhere stands
  // where a value should be.
  bool joinerAllowed = false;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const char c = rest[i];
    if (c == '0' || c == '1') {
      if (count < function.values.size()) {
        function.values[count] = c - '0';
      }
      ++count;
      joinerAllowed = true;
    } else if (isJoiner(c) && joinerAllowed) {
      joinerAllowed = false;
    } else if (!isBlank(c)) {
      const std::string_view found = rest.substr(i, characterLength(rest.substr(i)));
      return failure(
          // TRANSLATORS: the character found, or its code as in <U+0001> or <0xFF>, then its
          // position among the values, from 1.
          {NF_MESSAGE("a value is 0 or 1, found %s at position %s"),
           {shownText(found), std::to_string(count + 1)}});
    }
  }
  if (!joinerAllowed && count > 0) {
    // Only a joiner can end the values here, and every joiner is printable.
    return failure({NF_MESSAGE("the code ends in %s"), {std::string(1, rest.back())}});
  }
  for (int countIndex = 0; countIndex < static_cast<int>(kCountItems.size()); ++countIndex) {
    if (count == static_cast<std::size_t>(rowLabelCount(countIndex))) {
      function.countIndex = countIndex;
      return {function, {}};
    }
  }
  return countFailure(count);
}

void applyCode(WindowModel& window, const Function& function) {
  namespace group = layout::group;
  window.input({group::List2}, function.countIndex);
  window.input({group::Option1, function.form});
  for (int row = 0; row < rowLabelCount(function.countIndex); ++row) {
    window.input({group::List1, row}, function.values[static_cast<std::size_t>(row)]);
  }
}

std::string printedReport(const Function& function) {
  WindowModel window;
  applyCode(window, function);
  return withLineFeeds(window.state().result);
}

}  // namespace nf

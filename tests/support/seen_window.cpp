#include "seen_window.h"

#include <charconv>
#include <vector>

#include "user_model.h"

namespace {

std::string quoted(std::string_view text) {
  constexpr std::size_t kShown = 80;
  return "\"" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...\"" : "\"");
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) {
      return parts;
    }
    start = end + 1;
  }
}

// Where two box texts part, line by line.
std::string boxDifference(std::string_view shown, std::string_view expected) {
  const std::vector<std::string_view> a = split(shown, '\n');
  const std::vector<std::string_view> b = split(expected, '\n');
  std::size_t line = 0;
  while (line < a.size() && line < b.size() && a[line] == b[line]) {
    ++line;
  }
  const auto at = [line](const std::vector<std::string_view>& lines) {
    return line < lines.size() ? quoted(lines[line]) : std::string("no line");
  };
  return "line " + std::to_string(line + 1) + " shows " + at(a) + ", expected " + at(b) + " (" +
         std::to_string(a.size()) + " lines shown, " + std::to_string(b.size()) + " expected)";
}

std::optional<std::string> unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) {
      return std::nullopt;
    }
    switch (text[i]) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

}  // namespace

std::string withLineFeeds(std::string_view text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') {
      lines += text[i];
    }
  }
  return lines;
}

std::string difference(const SeenWindow& seen, const UserModel& expected) {
  if (seen.count != expected.countIndex()) {
    return "the count list selects " + std::to_string(seen.count) + ", expected " +
           std::to_string(expected.countIndex());
  }
  for (int form = 0; form < 2; ++form) {
    if (seen.options[static_cast<std::size_t>(form)] != (expected.form() == form)) {
      return std::string(form == 0 ? "ДНФ" : "КНФ") +
             (seen.options[static_cast<std::size_t>(form)] ? " is" : " is not") +
             " checked, expected form " + std::to_string(expected.form());
    }
  }
  for (int row = 0; row < 32; ++row) {
    const auto i = static_cast<std::size_t>(row);
    const std::string at = "row " + std::to_string(row);
    const int shouldShow = row < expected.shownRows() ? 3 : 0;
    if (seen.shownControls[i] != shouldShow) {
      return at + ": " + std::to_string(seen.shownControls[i]) + " of its 3 controls shown, " +
             "expected " + std::to_string(shouldShow);
    }
    if (seen.labels[i] && *seen.labels[i] != expected.label(row)) {
      return at + " labelled \"" + *seen.labels[i] + "\", expected \"" + expected.label(row) + "\"";
    }
    if (seen.values[i] != expected.value(row)) {
      return at + " holds " + std::to_string(seen.values[i]) + ", expected " +
             std::to_string(expected.value(row));
    }
  }
  if (const std::string box = withLineFeeds(expected.boxText()); seen.box != box) {
    return "the result box differs: " + boxDifference(seen.box, box);
  }
  return {};
}

std::optional<SeenWindow> parseSeenWindow(std::string_view line) {
  const std::vector<std::string_view> parts = split(line, '\t');
  if (parts.size() != 4 + 32 + 1 || parts[1].size() != 2 || parts[2].size() != 32 ||
      parts[3].size() != 32) {
    return std::nullopt;
  }
  SeenWindow seen;
  const std::string_view count = parts[0];
  if (std::from_chars(count.data(), count.data() + count.size(), seen.count).ec != std::errc()) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < 2; ++i) {
    seen.options[i] = parts[1][i] == '1';
  }
  for (std::size_t row = 0; row < 32; ++row) {
    const char value = parts[2][row];
    seen.values[row] = value == '-' ? -1 : value - '0';
    seen.shownControls[row] = parts[3][row] - '0';
    seen.labels[row] = std::string(parts[4 + row]);
  }
  std::optional<std::string> box = unescaped(parts[4 + 32]);
  if (!box) {
    return std::nullopt;
  }
  seen.box = std::move(*box);
  return seen;
}

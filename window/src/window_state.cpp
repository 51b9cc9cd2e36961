#include "window/window_state.h"

#include "core/report.h"
#include "window/layout.h"

namespace nf {

bool WindowChanges::any() const {
  return countIndex || option || values.any() || labels.any() || shown.any() || result;
}

WindowChanges changesBetween(const WindowState& before, const WindowState& after) {
  WindowChanges changes;
  changes.countIndex = before.countIndex != after.countIndex;
  changes.option = before.option != after.option;
  for (std::size_t row = 0; row < static_cast<std::size_t>(kRowSlots); ++row) {
    changes.values[row] = before.values[row] != after.values[row];
    changes.labels[row] = before.labels[row] != after.labels[row];
    changes.shown[row] = before.shown[row] != after.shown[row];
  }
  changes.result = before.result != after.result;
  return changes;
}

std::string withLineFeeds(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find(kLineBreak, at);
    lines.append(text.substr(at, end - at));
    if (end == std::string_view::npos) {
      break;
    }
    lines += '\n';
    at = end + kLineBreak.size();
  }
  return lines;
}

std::string assignmentText() {
  std::string text;
  for (const std::string_view line : layout::kAssignmentLines) {
    text += line;
    text += kLineBreak;
  }
  return text;
}

}  // namespace nf

#include "window/window_state.h"

#include "core/report.h"
#include "window/layout.h"

namespace nf {

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

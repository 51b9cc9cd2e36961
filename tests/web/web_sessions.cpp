// The browser test's C++ half. "web-sessions describe" writes what the driver needs to know of
// the window as JSON: its title, every control's name and place, the Tab order and the names of
// each row's controls, all from the layout table. "web-sessions run" then drives the page
// through the driver (see browser_face.h), replaying the scenarios of the window's end states and
// seeded random sessions, each checked against the user model after every action; it ends with
// "done ..." or "fail ..." on its command stream and the whole failure on standard error.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "browser_face.h"
#include "scenarios.h"

namespace {

namespace layout = nf::layout;

constexpr int kRandomSessions = 20;
constexpr int kActionsPerSession = 40;

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    out += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
  }
  return out + "\"";
}

std::string name(layout::Control control) {
  return quoted(control.name());
}

void describe() {
  std::string controls;
  for (const layout::ControlPlace& place : layout::controlPlaces()) {
    const layout::Pixels at = place.pixels;
    controls += (controls.empty() ? "" : ",") + name(place.control) + ":[" +
                std::to_string(at.left) + "," + std::to_string(at.top) + "," +
                std::to_string(at.width) + "," + std::to_string(at.height) + "]";
  }
  std::string tabs;
  for (const layout::Control& control : layout::tabOrder()) {
    tabs += (tabs.empty() ? "" : ",") + name(control);
  }
  std::string rows;
  for (int row = 0; row < layout::kRows; ++row) {
    rows += std::string(row == 0 ? "" : ",") + "[" + name({layout::group::Text2, row}) + "," +
            name({layout::group::Label1, row}) + "," + name({layout::group::List1, row}) + "]";
  }
  std::cout << "{\"title\":" << quoted(layout::kTitle) << ",\"size\":["
            << layout::toPixels(layout::kClientWidth) << ","
            << layout::toPixels(layout::kClientHeight) << "],\"controls\":{" << controls
            << "},\"tabOrder\":[" << tabs << "],\"rows\":[" << rows << "]}\n";
}

int run() {
  BrowserFace face(std::cin, std::cout);
  std::string failure;
  for (const Scenario& scenario : endStateScenarios()) {
    if (const std::string found = replay(face, scenario.actions); !found.empty()) {
      failure = std::string(scenario.name) + ", " + found;
      break;
    }
  }
  if (failure.empty()) {
    failure =
        runRandomSessions(face, {firstSeedFromEnvironment(), kRandomSessions, kActionsPerSession});
  }
  if (!failure.empty()) {
    std::cerr << failure << "\n";
    std::cout << "fail " << failure.substr(0, failure.find('\n')) << std::endl;
    return 1;
  }
  std::cout << "done " << endStateScenarios().size() << " scenarios and " << kRandomSessions
            << " random sessions of " << kActionsPerSession << " actions" << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string_view mode = argc == 2 ? argv[1] : "";
  if (mode == "describe") {
    describe();
    return 0;
  }
  if (mode == "run") {
    return run();
  }
  std::fprintf(stderr, "usage: web-sessions describe | run\n");
  return 2;
}

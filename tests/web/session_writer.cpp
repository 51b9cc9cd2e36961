// Writes the sessions the browser test replays through real input: the scenarios of the
// window's end states and seeded random sessions, each action followed by what the user model
// says the page must show, and the pixel rectangle of every control from the layout table.
//   web-sessions FILE.json [SESSIONS ACTIONS SEED]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "scenarios.h"
#include "user_action.h"
#include "user_model.h"
#include "window/layout.h"

namespace {

namespace layout = nf::layout;

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

// In the window's pixels; a control inside the frame is placed relative to it.
std::string rect(layout::Twips place, layout::Twips parent = {0, 0, 0, 0}) {
  const layout::Pixels own = layout::toPixels(place);
  const layout::Pixels offset = layout::toPixels(parent);
  return "[" + std::to_string(offset.left + own.left) + "," + std::to_string(offset.top + own.top) +
         "," + std::to_string(own.width) + "," + std::to_string(own.height) + "]";
}

std::string controls() {
  std::string out = "{";
  const auto add = [&out](const std::string& name, const std::string& where) {
    out += (out.size() > 1 ? "," : "") + quoted(name) + ":" + where;
  };
  add("window", rect({0, 0, layout::kClientWidth, layout::kClientHeight}));
  add("Label2_0", rect(layout::kLabel2[0].place));
  add("Label2_1", rect(layout::kLabel2[1].place));
  add("List2", rect(layout::kList2));
  add("Frame1", rect(layout::kFrame1));
  add("Option1_0", rect(layout::kOption1[0].place, layout::kFrame1));
  add("Option1_1", rect(layout::kOption1[1].place, layout::kFrame1));
  add("Command1_0", rect(layout::kCommand1));
  add("Text1_0", rect(layout::kText1));
  add("Label1_32", rect(layout::kEasterSquare));
  for (int row = 0; row < 32; ++row) {
    const layout::RowPlaces places = layout::rowPlaces(row);
    add("Text2_" + std::to_string(row), rect(places.labelBox));
    add("Label1_" + std::to_string(row), rect(places.sign));
    add("List1_" + std::to_string(row), rect(places.selector));
  }
  return out + "}";
}

std::string action(const UserAction& done) {
  static const char* const kKinds[] = {"count", "form", "value", "clear", "label"};
  static const char* const kWays[] = {"click", "arrows", "typed"};
  return "{\"kind\":\"" + std::string(kKinds[static_cast<int>(done.kind)]) +
         "\",\"target\":" + std::to_string(done.target) +
         ",\"value\":" + std::to_string(done.value) + ",\"way\":\"" +
         kWays[static_cast<int>(done.way)] + "\",\"text\":" + quoted(done.describe()) + "}";
}

std::string seen(const UserModel& model) {
  std::string values;
  std::string labels;
  for (int row = 0; row < 32; ++row) {
    values += (row > 0 ? "," : "") + std::to_string(model.value(row));
    labels += (row > 0 ? "," : "") + quoted(model.label(row));
  }
  return "{\"count\":" + std::to_string(model.countIndex()) +
         ",\"form\":" + std::to_string(model.form()) +
         ",\"shown\":" + std::to_string(model.shownRows()) + ",\"values\":[" + values +
         "],\"labels\":[" + labels + "],\"box\":" + quoted(model.boxText()) + "}";
}

std::string session(const std::string& name, const std::vector<UserAction>& actions) {
  UserModel model;
  std::string steps;
  for (const UserAction& done : actions) {
    apply(done, model);
    steps += (steps.empty() ? "" : ",\n  ") + std::string("{\"do\":") + action(done) +
             ",\"see\":" + seen(model) + "}";
  }
  return "{\"name\":" + quoted(name) + ",\"start\":" + seen(UserModel()) + ",\"steps\":[\n  " +
         steps + "]}";
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2 && argc != 5) {
    std::fprintf(stderr, "usage: web-sessions FILE.json [SESSIONS ACTIONS SEED]\n");
    return 2;
  }
  const int sessions = argc == 5 ? std::atoi(argv[2]) : 20;
  const int actions = argc == 5 ? std::atoi(argv[3]) : 40;
  const unsigned seed = argc == 5 ? static_cast<unsigned>(std::atol(argv[4])) : 20261208U;

  std::string all;
  for (const Scenario& scenario : endStateScenarios()) {
    all += (all.empty() ? "" : ",\n") + session(scenario.name, scenario.actions);
  }
  for (int n = 0; n < sessions; ++n) {
    std::mt19937 random(seed + static_cast<unsigned>(n));
    UserModel model;
    std::vector<UserAction> list;
    for (int step = 0; step < actions; ++step) {
      list.push_back(randomAction(random, model));
      apply(list.back(), model);
    }
    all += ",\n" + session("seed " + std::to_string(seed + static_cast<unsigned>(n)), list);
  }

  std::ofstream out(argv[1]);
  out << "{\"title\":" << quoted(layout::kTitle) << ",\"controls\":" << controls()
      << ",\"sessions\":[\n"
      << all << "]}\n";
  out.close();
  if (!out) {
    std::fprintf(stderr, "web-sessions: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}

// The browser test's C++ half. "web-sessions describe" writes what the driver needs to know of
// the window as JSON: its title, every control's name and place, the Tab order, the names of
// each row's controls, and what assistive technology must read from each control: the places
// and the texts as the tests expect them, the order and the names from the window's
// description. "web-sessions run" then drives the page
// through the driver (see browser_face.h), replaying the scenarios of the window's end states and
// seeded random sessions, each checked against the user model after every action; it ends with
// "done ..." or "fail ..." on its command stream and the whole failure on standard error.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "browser_face.h"
#include "expected_places.h"
#include "scenarios.h"
#include "user_model.h"

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

// What assistive technology must read from each control the window shows: its role, name and
// description; a row's names carry its label as `model` has it.
std::string accessible(const UserModel& model) {
  std::string table;
  const auto add = [&table](const std::string& control, std::string_view role,
                            std::string_view label, std::string_view description) {
    table += (table.empty() ? "" : ",") + quoted(control) + ":[" + quoted(role) + "," +
             quoted(label) + "," + quoted(description) + "]";
  };
  add("List2", "listbox", "Брой променливи",
      "Изберете броя на променливите на функцията: 3, 4 или 5");
  add("Frame1", "radiogroup", "Вид на нормалната форма", "Изберете ДНФ или КНФ");
  add("Option1_0", "radio", "ДНФ", "Дизюнктивна нормална форма");
  add("Option1_1", "radio", "КНФ", "Конюнктивна нормална форма");
  add("Command1_0", "button", "Чисти",
      "Връща три променливи, ДНФ, всички стойности 0 и празно поле за резултата");
  add("Text1_0", "textbox", "Резултат", "Нормалната форма на функцията, по един терм на ред");
  add("Label1_32", "image", "Великденски заяк", "Великденски заяк");
  for (int row = 0; row < model.shownRows(); ++row) {
    const std::string index = std::to_string(row);
    add("Text2_" + index, "textbox", "Ред " + model.label(row),
        "Стойностите на аргументите A, B, C, D, E в този ред на таблицата");
    add("Label1_" + index, "image", "равно", "Знак между реда и стойността му");
    add("List1_" + index, "listbox", "Стойност на ред " + model.label(row),
        "Стойност на функцията за този ред: 0 или 1; натиснете 0 или 1, или стрелка");
  }
  return "{" + table + "}";
}

void describe() {
  std::string controls;
  for (const ExpectedPlace& at : expectedPlaces()) {
    controls += (controls.empty() ? "" : ",") + quoted(at.name) + ":[" + std::to_string(at.left) +
                "," + std::to_string(at.top) + "," + std::to_string(at.width) + "," +
                std::to_string(at.height) + "]";
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
            << "},\"tabOrder\":[" << tabs << "],\"rows\":[" << rows << "]";
  // As the window opens, and once five variables are chosen.
  UserModel five;
  five.chooseCount(2);
  std::cout << ",\"accessible\":[" << accessible(UserModel()) << "," << accessible(five) << "]}\n";
}

// Each scenario's end state opened from its code in the page's address: the window that the
// count, the form and the shown values reach from a fresh one, whether the page opens with the
// code or the code is typed into the address of the page open before.
std::string openFromAddresses(BrowserFace& face) {
  bool anew = true;
  for (const Scenario& scenario : endStateScenarios()) {
    UserModel end;
    for (const UserAction& action : scenario.actions) {
      if (possible(action, end)) {
        apply(action, end);
      }
    }
    const std::string code = expectedCode(end);
    if (code.empty()) {
      continue;
    }
    UserModel opened;
    opened.chooseCount(end.countIndex());
    opened.chooseForm(end.form());
    for (int row = 0; row < opened.shownRows(); ++row) {
      opened.setValue(row, end.value(row));
    }
    face.openAt(code, anew);
    anew = !anew;
    if (std::string found = difference(face.read(), opened) + face.problem(opened);
        !found.empty()) {
      return std::string(scenario.name) + ", opened as " + code + ": " + found;
    }
  }
  return {};
}

// Addresses anyone may send: cut, mistyped, stuffed. Each opened in a fresh page gives the
// window as it opens; typed into the address of a page that shows a function, it leaves that
// function on screen and in the address. Either way the window then answers a key press.
std::string openHostileAddresses(BrowserFace& face) {
  std::string spaces;
  for (int i = 0; i < 30000; ++i) {
    spaces += "%20";
  }
  const std::string codes[] = {
      "%",
      "dnf-0110%",
      "%E0%A4%A",
      "dnf-0120",
      "dnf-" + std::string(20000, '0'),
      // Longer than the program's stack, and its whole memory at the start.
      "dnf-" + std::string(1 << 20, '0'),
      spaces,
      "dnf-01101001%00",
      "%FF%FE%FD",
      "knf-0110%E2%80%A81001",
      "<b>dnf-01101001</b>",
  };
  const UserAction keyPress{UserAction::Kind::Value, 0, 1, UserAction::Way::Typed};
  UserModel shown;
  shown.chooseCount(0);
  shown.chooseForm(1);
  for (const int row : {1, 2, 4, 7}) {
    shown.setValue(row, 1);
  }
  // A code as mail and chat programs send it, its blank escaped, opens all the same.
  face.openAt("knf-0110%201001");
  if (const std::string found = difference(face.read(), shown) + face.problem(shown);
      !found.empty()) {
    return "an escaped code: " + found;
  }
  for (const std::string& code : codes) {
    const std::string quoted = code.substr(0, 24) + (code.size() > 24 ? "..." : "");
    for (const bool anew : {true, false}) {
      UserModel expected = anew ? UserModel() : shown;
      if (!anew) {
        face.openAt(expectedCode(shown));
      }
      face.openAt(code, anew);
      std::string found = difference(face.read(), expected) + face.problem(expected);
      if (found.empty()) {
        face.perform(keyPress, expected);
        apply(keyPress, expected);
        found = difference(face.read(), expected) + face.problem(expected);
      }
      if (!found.empty()) {
        return (anew ? "opened as " : "typed into an open page: ") + quoted + ": " + found;
      }
    }
  }
  return {};
}

// By mouse and keys, the scenarios and the random sessions; by touch, the scenarios.
int run(bool touch) {
  BrowserFace face(std::cin, std::cout, touch);
  std::string failure;
  for (const Scenario& scenario : endStateScenarios()) {
    if (const std::string found = replay(face, scenario.actions); !found.empty()) {
      failure = std::string(scenario.name) + ", " + found;
      break;
    }
  }
  if (failure.empty() && !touch) {
    failure = openFromAddresses(face);
  }
  if (failure.empty() && !touch) {
    failure = openHostileAddresses(face);
  }
  if (failure.empty() && !touch) {
    failure =
        runRandomSessions(face, {firstSeedFromEnvironment(), kRandomSessions, kActionsPerSession});
  }
  if (!failure.empty()) {
    std::cerr << failure << "\n";
    std::cout << "fail " << failure.substr(0, failure.find('\n')) << std::endl;
    return 1;
  }
  std::cout << "done " << endStateScenarios().size() << " scenarios";
  if (!touch) {
    std::cout << " and " << kRandomSessions << " random sessions of " << kActionsPerSession
              << " actions";
  }
  std::cout << (touch ? " by touch" : "") << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string_view mode = argc >= 2 ? argv[1] : "";
  const std::string_view how = argc == 3 ? argv[2] : "";
  if (mode == "describe" && argc == 2) {
    describe();
    return 0;
  }
  if (mode == "run" && (argc == 2 || how == "touch")) {
    return run(how == "touch");
  }
  std::fprintf(stderr, "usage: web-sessions describe | run [touch]\n");
  return 2;
}

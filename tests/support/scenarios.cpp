#include "scenarios.h"

namespace {

using Kind = UserAction::Kind;

UserAction count(int index) {
  return {Kind::Count, index};
}
UserAction form(int index) {
  return {Kind::Form, index};
}
UserAction value(int row, int item) {
  return {Kind::Value, row, item};
}
UserAction clear() {
  return {Kind::Clear};
}
UserAction sign(int index) {
  return {Kind::Label, index};
}
// An arrow key (0 Left, 1 Right, 2 Up, 3 Down) on the option other than `form`.
UserAction arrow(int form, int key) {
  return {Kind::Form, form, key, UserAction::Way::Arrows};
}
// Enter (0) or Space (1) on Clear.
UserAction clearBy(int key) {
  return {Kind::Clear, 0, key, UserAction::Way::Typed};
}

}  // namespace

const std::vector<Scenario>& endStateScenarios() {
  static const std::vector<Scenario> scenarios = {
      {"ValueBeforeAnyChoice", {value(3, 1), value(7, 1), value(3, 0)}},
      {"ThreeFirst", {count(0)}},
      {"FourFirst", {count(1)}},
      {"FiveFirst", {count(2)}},
      {"DnfFirst", {form(0)}},
      {"KnfFirst", {form(1)}},
      {"ChangesAfterChoosing",
       {count(1), value(9, 1), value(0, 1), value(15, 1), form(1), value(0, 0), count(0), form(0),
        count(2), value(31, 1)}},
      {"HiddenRowsKeepTheirValues",
       {count(2), value(20, 1), value(2, 1), count(0), count(2), count(1)}},
      {"ClearRightAfterStart", {clear()}},
      {"ClearAfterEdits",
       {form(1), count(2), value(1, 1), value(17, 1), value(31, 1), clear(), value(6, 1)}},
      {"ClearTwiceThenKnf", {clear(), clear(), form(1)}},
      {"ValueBeforeChoiceThenClear", {value(5, 1), clear(), count(1)}},
      {"ClearResetsHiddenRows", {count(1), value(12, 1), count(0), clear(), count(1)}},
      {"SameChoiceAgain", {count(1), count(1), form(0), value(4, 1), value(4, 1)}},
      {"SignsAndSquare", {count(1), value(5, 1), sign(0), sign(7), sign(15), sign(32)}},
      {"KeysOnTheOptionsAndClear",
       {arrow(1, 1), arrow(0, 2), arrow(1, 3), value(2, 1), clearBy(0), arrow(1, 0), clearBy(1)}},
  };
  return scenarios;
}

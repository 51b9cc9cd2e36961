// What each key does on each kind of control, from a window with four variables, ДНФ and row 3
// set to 1; every key the window does not take is left to the toolkit and changes nothing.
#include <gtest/gtest.h>

#include <optional>

#include "window/window_model.h"

namespace {

namespace group = nf::layout::group;
using nf::Key;
using nf::layout::Control;

struct KeyCase {
  const char* what;
  Control control;
  nf::KeyPress key;
  bool taken;
  // What the window shows after it: the count, the form and row 3's value; an empty box after
  // Clear; where the focus moves.
  int count = 1;
  int form = 0;
  int row3 = 1;
  bool cleared = false;
  std::optional<Control> focus = std::nullopt;
};

const Control kCount{group::List2};
const Control kRow3{group::List1, 3};
const Control kDnf{group::Option1, 0};
const Control kKnf{group::Option1, 1};
const Control kClear{group::Command1, 0};

const KeyCase kCases[] = {
    {"Down on the count list", kCount, {Key::Down}, true, 2},
    {"Up", kCount, {Key::Up}, true, 0},
    {"Home", kCount, {Key::Home}, true, 0},
    {"End", kCount, {Key::End}, true, 2},
    {"Page Down", kCount, {Key::PageDown}, true, 2},
    {"Page Up", kCount, {Key::PageUp}, true, 0},
    {"Space chooses the current item", kCount, {Key::Space, " "}, true},
    {"an item's text", kCount, {Key::Other, "5"}, true, 2},
    {"a text no item has", kCount, {Key::Other, "9"}, false},
    {"two items' texts", kCount, {Key::Other, "34"}, false},
    {"Ctrl+Down is a shortcut", kCount, {Key::Down, {}, true}, false},
    {"Ctrl and an item's text", kCount, {Key::Other, "3", true}, false},
    {"Left", kCount, {Key::Left}, false},
    {"Enter", kCount, {Key::Enter}, false},
    {"Down past the last item", kRow3, {Key::Down}, true},
    {"Up on a selector", kRow3, {Key::Up}, true, 1, 0, 0},
    {"0 typed", kRow3, {Key::Other, "0"}, true, 1, 0, 0},
    {"a hidden row's selector", {group::List1, 20}, {Key::Down}, false},
    {"Right on ДНФ selects КНФ", kDnf, {Key::Right}, true, 1, 1, 1, false, kKnf},
    {"Left on ДНФ selects КНФ too", kDnf, {Key::Left}, true, 1, 1, 1, false, kKnf},
    {"Up on КНФ selects ДНФ", kKnf, {Key::Up}, true, 1, 0, 1, false, kDnf},
    {"Space on КНФ", kKnf, {Key::Space, " "}, true, 1, 1},
    {"Enter on an option", kKnf, {Key::Enter}, false},
    {"Alt+Right on an option", kDnf, {Key::Right, {}, true}, false},
    {"Enter on Clear", kClear, {Key::Enter}, true, 0, 0, 0, true},
    {"Space on Clear", kClear, {Key::Space, " "}, true, 0, 0, 0, true},
    {"Down on Clear", kClear, {Key::Down}, false},
    {"Ctrl+Enter on Clear", kClear, {Key::Enter, {}, true}, false},
    {"Down in the result box", {group::Text1, 0}, {Key::Down}, false},
    {"Home in a label box", {group::Text2, 0}, {Key::Home}, false},
    {"Space on a sign", {group::Label1, 0}, {Key::Space, " "}, false},
};

void PrintTo(const KeyCase& c, std::ostream* out) {
  *out << c.what;
}

class Keys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keys, DoWhatTheTableSays) {
  const KeyCase& c = GetParam();
  nf::WindowModel window;
  window.input(kCount, 1);
  window.input(kRow3, 1);
  const nf::WindowState before = window.state();
  const nf::Answer answer = window.key(c.control, c.key);
  EXPECT_EQ(c.taken, answer.taken.has_value());
  EXPECT_EQ(c.focus, answer.focus);
  if (!c.taken) {
    EXPECT_EQ(before, window.state());
    return;
  }
  EXPECT_EQ(c.count, window.state().countIndex);
  EXPECT_EQ(c.form, window.state().option);
  EXPECT_EQ(c.row3, window.state().values[3]);
  EXPECT_EQ(c.cleared, window.state().result.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, Keys, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<KeyCase>& param) {
                           return "Case" + std::to_string(param.index);
                         });

}  // namespace

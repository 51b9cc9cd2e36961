// The window's reactions, checked on the model alone: every row of the table of end states,
// the edge cases, the order in which nested notifications leave the state, and what each input
// reports as changed.
#include "window/window_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "model_face.h"
#include "scenarios.h"

// Test names carry the scenario's name.
void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

namespace {

namespace group = nf::layout::group;
using nf::layout::Control;

const std::string kDnfHeader =
    "Дизюнктивната нормална форма е представена като\r\n"
    "дизюнкция от следните конюнкции - с терми = True: \r\n";
const std::string kKnfHeader =
    "Конюнктивната нормална форма е представена като\r\n"
    "конюнкция от следните дизюнкции - с терми = True: \r\n";

class EndStates : public ::testing::TestWithParam<Scenario> {};

// After every action of the scenario the whole state equals the user model's.
TEST_P(EndStates, MatchTheUserModelAfterEveryAction) {
  ModelFace face;
  EXPECT_EQ("", replay(face, GetParam().actions));
}

INSTANTIATE_TEST_SUITE_P(Table, EndStates, ::testing::ValuesIn(endStateScenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& scenario) {
                           return scenario.param.name;
                         });

TEST(WindowModel, OpensWithTheAssignmentAndEightRows) {
  const nf::WindowModel window;
  const nf::WindowState& state = window.state();
  EXPECT_EQ(nf::kNoCount, state.countIndex);
  EXPECT_EQ(nf::kNoOption, state.option);
  for (std::size_t row = 0; row < 32; ++row) {
    EXPECT_EQ(row < 8, state.shown[row]) << row;
    EXPECT_EQ(0, state.values[row]) << row;
  }
  EXPECT_EQ("0 0 0", state.labels[0]);
  EXPECT_EQ("1 0 1", state.labels[5]);
  EXPECT_EQ("1 1 1", state.labels[7]);
  EXPECT_EQ("0 0 0", state.labels[8]);
  EXPECT_EQ("0 0 0", state.labels[31]);
  EXPECT_TRUE(state.result.starts_with(
      "Да се състави проект, осъществяващ вътрешнопредметна връзка в Информатика.\r\n"));
  EXPECT_TRUE(state.result.ends_with("за разглежданата булева функция.\r\n"));
}

TEST(WindowModel, FiveFirstShowsAllRowsAndTheDnfHeader) {
  nf::WindowModel window;
  window.input({group::List2}, 2);
  EXPECT_EQ(0, window.state().option);
  EXPECT_EQ("0 0 0 0 0", window.state().labels[0]);
  EXPECT_EQ("1 0 1 0 0", window.state().labels[20]);
  EXPECT_EQ("1 1 1 1 1", window.state().labels[31]);
  EXPECT_TRUE(window.state().shown[31]);
  EXPECT_EQ(kDnfHeader, window.state().result);
}

// The КНФ option notifies first: its report finds no count, then it chooses "3", whose handler
// finds the option chosen and writes the КНФ report.
TEST(WindowModel, KnfFirstEndsWithCountThreeAndTheKnfReport) {
  nf::WindowModel window;
  window.input({group::Option1, 1});
  EXPECT_EQ(0, window.state().countIndex);
  EXPECT_EQ(1, window.state().option);
  EXPECT_EQ(kKnfHeader, window.state().result);
}

TEST(WindowModel, RowTwentyLeavesAndReturnsWithItsValue) {
  nf::WindowModel window;
  window.input({group::List2}, 2);
  window.input({group::List1, 20}, 1);
  EXPECT_EQ(kDnfHeader + "(A ^ !B ^ C ^ !D ^ !E)\r\n", window.state().result);
  window.input({group::List2}, 0);
  EXPECT_FALSE(window.state().shown[20]);
  EXPECT_EQ(kDnfHeader, window.state().result);
  EXPECT_EQ(1, window.state().values[20]);
  window.input({group::List2}, 2);
  EXPECT_EQ(kDnfHeader + "(A ^ !B ^ C ^ !D ^ !E)\r\n", window.state().result);
}

TEST(WindowModel, ClearEmptiesTheBoxEvenOverTheAssignment) {
  nf::WindowModel window;
  window.input({group::Command1, 0});
  EXPECT_EQ(0, window.state().countIndex);
  EXPECT_EQ(0, window.state().option);
  EXPECT_EQ("", window.state().result);
  window.input({group::Option1, 1});
  EXPECT_EQ(kKnfHeader, window.state().result);
}

// Inputs the window refuses, and inputs that change nothing: the state stays, and the
// control the input came on, if the window has it and it takes input, is drawn again, showing
// the window's selection where its toolkit may show the refused one.
TEST(WindowModel, InputsThatChangeNothing) {
  struct Case {
    Control control;
    int item;
    bool taken;
    bool drawn;
    const char* why;
  };
  const Case cases[] = {
      {{group::List2}, 3, false, true, "the count list has three items"},
      {{group::List2}, -1, false, true, "a list the toolkit emptied"},
      {{group::List1, 20}, 1, false, true, "row 20 is hidden under four variables"},
      {{group::List1, 3}, 2, false, true, "a selector has two items"},
      {{group::List2, 0}, 1, false, false, "the count list stands alone"},
      {{group::Option1, 2}, 0, false, false, "two options"},
      {{group::List1, 40}, 1, false, false, "no row 40"},
      {{group::Command1, 1}, 0, false, false, "Clear is the only button"},
      {{group::Text1, 0}, 0, false, false, "the result box takes no input"},
      {{group::Label2, 0}, 0, false, false, "a caption takes no input"},
      {{"List9", 0}, 0, false, false, "no such group"},
      {{group::List1, 3}, 1, true, true, "already selected"},
      {{group::Label1, 0}, 0, true, true, "a sign takes clicks and ignores them"},
      {{group::Label1, 31}, 0, true, true, "a hidden row's sign"},
      {{group::Label1, 32}, 0, true, true, "the square"},
  };
  nf::WindowModel window;
  window.input({group::List2}, 1);
  window.input({group::List1, 3}, 1);
  const nf::WindowState before = window.state();
  for (const Case& c : cases) {
    const nf::Answer answer = window.input(c.control, c.item);
    EXPECT_EQ(c.taken, answer.taken.has_value()) << c.why;
    EXPECT_EQ(c.drawn ? std::vector<Control>{c.control} : std::vector<Control>{}, answer.redraw)
        << c.why;
    EXPECT_EQ(before, window.state()) << c.why;
  }
}

// A face draws only what an answer names: the controls that show something else now, counted
// here by hand, and the control the input came on.
TEST(WindowModel, AnswersNameTheChangedControls) {
  nf::WindowModel window;
  // No count yet: the value alone, the assignment stays.
  EXPECT_EQ(std::vector<Control>{Control(group::List1, 2)},
            window.input({group::List1, 2}, 1).redraw);
  // Five variables: the count, both options, the report, every label box (a new label) and
  // selector (a new name), and rows 8 to 31's signs, shown now.
  EXPECT_EQ(1U + 2 + 1 + 32 + 32 + 24, window.input({group::List2}, 2).redraw.size());
  // Three again: the count, the report, the label boxes and selectors (rows 0 to 7 relabelled,
  // the others hidden), and rows 8 to 31's signs.
  EXPECT_EQ(1U + 1 + 32 + 32 + 24, window.input({group::List2}, 0).redraw.size());
  // Clear: the button, row 2's value and the emptied box.
  EXPECT_EQ((std::vector<Control>{{group::Command1, 0}, {group::Text1, 0}, {group::List1, 2}}),
            window.input({group::Command1, 0}).redraw);
}

}  // namespace

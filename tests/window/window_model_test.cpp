// The window's reactions, checked on the model alone: every row of the table of end states,
// the edge cases, the order in which nested notifications leave the state, and what each input
// reports as changed.
#include <gtest/gtest.h>

#include <vector>

#include "model_face.h"
#include "scenarios.h"
#include "window/layout.h"

// Test names carry the scenario's name.
void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.name;
}

namespace {

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
  window.chooseCount(2);
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
  window.chooseForm(1);
  EXPECT_EQ(0, window.state().countIndex);
  EXPECT_EQ(1, window.state().option);
  EXPECT_EQ(kKnfHeader, window.state().result);
}

TEST(WindowModel, RowTwentyLeavesAndReturnsWithItsValue) {
  nf::WindowModel window;
  window.chooseCount(2);
  window.chooseValue(20, 1);
  EXPECT_EQ(kDnfHeader + "(A ^ !B ^ C ^ !D ^ !E)\r\n", window.state().result);
  window.chooseCount(0);
  EXPECT_FALSE(window.state().shown[20]);
  EXPECT_EQ(kDnfHeader, window.state().result);
  EXPECT_EQ(1, window.state().values[20]);
  window.chooseCount(2);
  EXPECT_EQ(kDnfHeader + "(A ^ !B ^ C ^ !D ^ !E)\r\n", window.state().result);
}

TEST(WindowModel, ClearEmptiesTheBoxEvenOverTheAssignment) {
  nf::WindowModel window;
  window.pressClear(0);
  EXPECT_EQ(0, window.state().countIndex);
  EXPECT_EQ(0, window.state().option);
  EXPECT_EQ("", window.state().result);
  window.chooseForm(1);
  EXPECT_EQ(kKnfHeader, window.state().result);
}

// Inputs a face can never send, or that the window answers with nothing.
TEST(WindowModel, InputsThatChangeNothing) {
  nf::WindowModel window;
  window.chooseCount(1);
  window.chooseValue(3, 1);
  const nf::WindowState before = window.state();
  const nf::WindowChanges none;
  EXPECT_EQ(none, window.chooseCount(3));
  EXPECT_EQ(none, window.chooseCount(-1));
  EXPECT_EQ(none, window.chooseForm(2));
  EXPECT_EQ(none, window.chooseValue(20, 1)) << "row 20 is hidden under four variables";
  EXPECT_EQ(none, window.chooseValue(40, 1));
  EXPECT_EQ(none, window.chooseValue(3, 2));
  EXPECT_EQ(none, window.chooseValue(3, 1)) << "already selected";
  EXPECT_EQ(none, window.pressClear(1)) << "Clear is the only button";
  for (const int index : {0, 15, 31, 32}) {
    EXPECT_EQ(none, window.clickLabel(index));
  }
  EXPECT_EQ(before, window.state());
}

// A face redraws only what an input reports; the reports name exactly what changed.
TEST(WindowModel, ChangesNameExactlyTheChangedControls) {
  nf::WindowModel window;
  nf::WindowChanges changes = window.chooseValue(2, 1);
  EXPECT_EQ(0b100U, changes.values.to_ulong());
  EXPECT_FALSE(changes.result) << "no count yet: the assignment stays";

  changes = window.chooseCount(2);
  EXPECT_TRUE(changes.countIndex && changes.option && changes.result);
  EXPECT_EQ(0xFFFFFF00U, changes.shown.to_ulong());
  EXPECT_EQ(0xFFFFFFFFU, changes.labels.to_ulong());
  EXPECT_TRUE(changes.values.none());

  changes = window.chooseCount(0);
  EXPECT_EQ(0xFFFFFF00U, changes.shown.to_ulong());
  EXPECT_EQ(0xFFU, changes.labels.to_ulong());
  EXPECT_FALSE(changes.option);

  changes = window.pressClear(0);
  EXPECT_EQ(0b100U, changes.values.to_ulong());
  EXPECT_TRUE(changes.result);
  EXPECT_FALSE(changes.countIndex || changes.option || changes.shown.any());
}

}  // namespace

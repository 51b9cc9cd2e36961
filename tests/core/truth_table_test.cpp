#include "core/truth_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using nf::TruthTable;

TEST(CountItems, AreThreeFourFiveInListOrder) {
  ASSERT_EQ(nf::kCountItems.size(), 3U);
  EXPECT_EQ(nf::kCountItems[0], "3");
  EXPECT_EQ(nf::kCountItems[1], "4");
  EXPECT_EQ(nf::kCountItems[2], "5");
  ASSERT_EQ(nf::kValueItems.size(), 2U);
  EXPECT_EQ(nf::kValueItems[0], "0");
  EXPECT_EQ(nf::kValueItems[1], "1");
}

class LabelTable : public ::testing::TestWithParam<int> {};

// Every label is n digits with single blanks between them, and reading the digits as a binary
// number, most significant first, gives back the row index.
TEST_P(LabelTable, LabelsAreBlankSeparatedBinaryDigitsOfTheRow) {
  const int countIndex = GetParam();
  const int variables = countIndex + 3;
  ASSERT_EQ(nf::rowLabelCount(countIndex), 1 << variables);
  for (int row = 0; row < (1 << variables); ++row) {
    const std::string_view label = nf::rowLabel(countIndex, row);
    ASSERT_EQ(label.size(), static_cast<std::size_t>(2 * variables - 1)) << "row " << row;
    int parsed = 0;
    for (std::size_t pos = 0; pos < label.size(); ++pos) {
      if (pos % 2 == 1) {
        ASSERT_EQ(label[pos], ' ') << "row " << row << " label \"" << label << '"';
        continue;
      }
      ASSERT_TRUE(label[pos] == '0' || label[pos] == '1') << "row " << row;
      parsed = parsed * 2 + (label[pos] - '0');
    }
    EXPECT_EQ(parsed, row) << "label \"" << label << '"';
  }
}

TEST_P(LabelTable, FirstRowIsAllZerosAndLastRowAllOnes) {
  const int countIndex = GetParam();
  const int variables = countIndex + 3;
  std::string zeros = "0";
  std::string ones = "1";
  for (int digit = 1; digit < variables; ++digit) {
    zeros += " 0";
    ones += " 1";
  }
  EXPECT_EQ(nf::rowLabel(countIndex, 0), zeros);
  EXPECT_EQ(nf::rowLabel(countIndex, (1 << variables) - 1), ones);
}

INSTANTIATE_TEST_SUITE_P(AllCounts, LabelTable, ::testing::Values(0, 1, 2));

TEST(LabelTable, ThreeVariablesInFull) {
  const std::vector<std::string_view> expected = {"0 0 0", "0 0 1", "0 1 0", "0 1 1",
                                                  "1 0 0", "1 0 1", "1 1 0", "1 1 1"};
  std::vector<std::string_view> actual;
  actual.reserve(expected.size());
  for (int row = 0; row < nf::rowLabelCount(0); ++row) {
    actual.push_back(nf::rowLabel(0, row));
  }
  EXPECT_EQ(actual, expected);
}

TEST(LabelTable, SampleRowsOfFourAndFiveVariables) {
  EXPECT_EQ(nf::rowLabel(1, 9), "1 0 0 1");
  EXPECT_EQ(nf::rowLabel(2, 18), "1 0 0 1 0");
  EXPECT_EQ(nf::rowLabel(2, 22), "1 0 1 1 0");
  EXPECT_EQ(nf::rowLabel(1, 2), "0 0 1 0");
}

TEST(NumericValue, ConvertsTheTextsInUse) {
  const std::vector<std::pair<std::string_view, int>> cases = {{"0", 0}, {"1", 1}, {"3", 3},
                                                               {"4", 4}, {"5", 5}, {"", 0}};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(nf::numericValue(text), value) << "text \"" << text << '"';
  }
}

TEST(NumericValue, OnlyOneIsTrue) {
  EXPECT_TRUE(nf::isTrueValue("1"));
  EXPECT_FALSE(nf::isTrueValue("0"));
  EXPECT_FALSE(nf::isTrueValue(""));
  // True means equal to 1, not merely non-zero.
  for (const std::string_view text : nf::kCountItems) {
    EXPECT_FALSE(nf::isTrueValue(text)) << "text \"" << text << '"';
  }
}

TEST(TruthTable, StartsWithNoCountAndNoSelectedValue) {
  const TruthTable table;
  EXPECT_EQ(table.countIndex(), nf::kNoCount);
  EXPECT_EQ(table.lastRow(), -1);
  for (int row = 0; row < nf::kRowSlots; ++row) {
    EXPECT_EQ(table.selectedItem(row), -1) << "row " << row;
    EXPECT_EQ(table.value(row), "") << "row " << row;
    EXPECT_FALSE(table.isTrue(row)) << "row " << row;
  }
}

TEST(TruthTable, SetAndResetValuesInEverySlot) {
  TruthTable table;
  table.setCountIndex(2);
  // Rows whose index has bit 0 or bit 2 set get "1", the others "0": a pattern that does not
  // line up with any count boundary.
  for (int row = 0; row < nf::kRowSlots; ++row) {
    table.setSelectedItem(row, (row & 5) != 0 ? 1 : 0);
  }
  for (int row = 0; row < nf::kRowSlots; ++row) {
    const bool one = (row & 5) != 0;
    EXPECT_EQ(table.value(row), one ? "1" : "0") << "row " << row;
    EXPECT_EQ(table.isTrue(row), one) << "row " << row;
  }

  table.setCountIndex(0);
  table.resetValues();
  EXPECT_EQ(table.countIndex(), 0);
  for (int row = 0; row < nf::kRowSlots; ++row) {
    EXPECT_EQ(table.selectedItem(row), 0) << "row " << row;
    EXPECT_EQ(table.value(row), "0") << "row " << row;
    EXPECT_FALSE(table.isTrue(row)) << "row " << row;
  }
}

TEST(TruthTable, CountIndexCannotBeUnchosen) {
  TruthTable table;
  table.setCountIndex(1);
  table.setCountIndex(nf::kNoCount);
  table.setCountIndex(3);
  EXPECT_EQ(table.countIndex(), 1);
}

TEST(LastRow, CountItemAndLabelTableAgree) {
  const int expected[] = {7, 15, 31};
  for (int countIndex = 0; countIndex < 3; ++countIndex) {
    const auto item = nf::kCountItems[static_cast<std::size_t>(countIndex)];
    EXPECT_EQ(nf::lastRowFromCountItem(item), expected[countIndex]) << "item " << item;
    EXPECT_EQ(nf::lastRowFromLabelTable(countIndex), expected[countIndex]) << countIndex;
    TruthTable table;
    table.setCountIndex(countIndex);
    EXPECT_EQ(table.lastRow(), expected[countIndex]) << countIndex;
  }
}

TEST(TruthTable, ValuesSurviveAChangeOfCount) {
  TruthTable table;
  table.resetValues();
  table.setCountIndex(2);
  table.setSelectedItem(20, 1);
  table.setCountIndex(0);
  EXPECT_EQ(table.value(20), "1");
  EXPECT_EQ(table.lastRow(), 7);
  table.setCountIndex(2);
  EXPECT_EQ(table.value(20), "1");
  EXPECT_TRUE(table.isTrue(20));
  for (int row = 0; row < nf::kRowSlots; ++row) {
    if (row != 20) {
      EXPECT_EQ(table.value(row), "0") << "row " << row;
    }
  }
}

}  // namespace

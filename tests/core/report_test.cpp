#include "core/report.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

using nf::TruthTable;

const std::string kDnfHeader =
    "Дизюнктивната нормална форма е представена като\r\n"
    "дизюнкция от следните конюнкции - с терми = True: \r\n";
const std::string kKnfHeader =
    "Конюнктивната нормална форма е представена като\r\n"
    "конюнкция от следните дизюнкции - с терми = True: \r\n";

// A table after the window's load (every slot "0") with `countIndex` chosen and `trueRows` at "1".
TruthTable tableWith(int countIndex, std::initializer_list<int> trueRows) {
  TruthTable table;
  table.resetValues();
  table.setCountIndex(countIndex);
  for (const int row : trueRows) {
    table.setSelectedItem(row, 1);
  }
  return table;
}

// Splits a report at CR LF; every line must end in CR LF, so the text after the last one is empty.
std::vector<std::string> linesOf(const std::string& report) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at = report.find("\r\n"); at != std::string::npos;
       start = at + 2, at = report.find("\r\n", start)) {
    lines.push_back(report.substr(start, at - start));
  }
  EXPECT_EQ(start, report.size()) << "text after the last CR LF";
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in " << line;
  }
  return lines;
}

TEST(Report, WorkedExampleDnf) {
  EXPECT_EQ(nf::WriteDnf(tableWith(0, {1, 5, 7})),
            "Дизюнктивната нормална форма е представена като\r\n"
            "дизюнкция от следните конюнкции - с терми = True: \r\n"
            "(!A ^ !B ^ C)\r\n"
            " v (A ^ !B ^ C)\r\n"
            " v (A ^ B ^ C)\r\n");
}

TEST(Report, WorkedExampleKnf) {
  EXPECT_EQ(nf::WriteKnf(tableWith(0, {1, 5, 7})),
            "Конюнктивната нормална форма е представена като\r\n"
            "конюнкция от следните дизюнкции - с терми = True: \r\n"
            "(!A v !B v C)\r\n"
            " ^ (A v !B v C)\r\n"
            " ^ (A v B v C)\r\n");
}

TEST(Report, NoTrueRowLeavesTheHeaderLinesOnly) {
  for (int countIndex = 0; countIndex < 3; ++countIndex) {
    EXPECT_EQ(nf::WriteDnf(tableWith(countIndex, {})), kDnfHeader) << countIndex;
    EXPECT_EQ(nf::WriteKnf(tableWith(countIndex, {})), kKnfHeader) << countIndex;
  }
  // Slots that were never selected have the empty value, which is not true either.
  TruthTable unselected;
  unselected.setCountIndex(2);
  EXPECT_EQ(nf::WriteDnf(unselected), kDnfHeader);
  EXPECT_EQ(nf::WriteKnf(unselected), kKnfHeader);
}

TEST(Report, HeaderSecondLineKeepsItsTrailingBlank) {
  const auto lines = linesOf(nf::WriteDnf(tableWith(1, {3})).value());
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(lines[1], "дизюнкция от следните конюнкции - с терми = True: ");
  const auto knfLines = linesOf(nf::WriteKnf(tableWith(1, {3})).value());
  ASSERT_EQ(knfLines.size(), 3U);
  EXPECT_EQ(knfLines[1], "конюнкция от следните дизюнкции - с терми = True: ");
}

TEST(Report, EveryRowTrueUnderFiveVariables) {
  TruthTable table = tableWith(2, {});
  for (int row = 0; row < nf::kRowSlots; ++row) {
    table.setSelectedItem(row, 1);
  }
  const auto dnf = linesOf(nf::WriteDnf(table).value());
  ASSERT_EQ(dnf.size(), 2U + 32U);
  EXPECT_EQ(dnf[2], "(!A ^ !B ^ !C ^ !D ^ !E)");
  EXPECT_EQ(dnf[3], " v (!A ^ !B ^ !C ^ !D ^ E)");
  EXPECT_EQ(dnf.back(), " v (A ^ B ^ C ^ D ^ E)");

  const auto knf = linesOf(nf::WriteKnf(table).value());
  ASSERT_EQ(knf.size(), 2U + 32U);
  EXPECT_EQ(knf[2], "(!A v !B v !C v !D v !E)");
  EXPECT_EQ(knf[3], " ^ (!A v !B v !C v !D v E)");
  EXPECT_EQ(knf.back(), " ^ (A v B v C v D v E)");
}

TEST(Report, OnlyTheLastRowTrueHasNoSeparator) {
  EXPECT_EQ(nf::WriteDnf(tableWith(1, {15})), kDnfHeader + "(A ^ B ^ C ^ D)\r\n");
  EXPECT_EQ(nf::WriteKnf(tableWith(1, {15})), kKnfHeader + "(A v B v C v D)\r\n");
}

TEST(Report, RowsBeyondTheCountAreNotReported) {
  TruthTable table = tableWith(2, {6, 20});
  table.setCountIndex(0);
  EXPECT_EQ(nf::WriteDnf(table), kDnfHeader + "(A ^ B ^ !C)\r\n");
  EXPECT_EQ(nf::WriteKnf(table), kKnfHeader + "(A v B v !C)\r\n");
  table.setCountIndex(1);
  EXPECT_EQ(nf::WriteDnf(table), kDnfHeader + "(!A ^ B ^ C ^ !D)\r\n");
  table.setCountIndex(2);
  EXPECT_EQ(nf::WriteDnf(table), kDnfHeader +
                                     "(!A ^ !B ^ C ^ D ^ !E)\r\n"
                                     " v (A ^ !B ^ C ^ !D ^ !E)\r\n");
}

TEST(Report, NoCountChosenGivesNoReport) {
  TruthTable table;
  EXPECT_EQ(nf::WriteDnf(table), std::nullopt);
  EXPECT_EQ(nf::WriteKnf(table), std::nullopt);
  table.resetValues();
  table.setSelectedItem(0, 1);
  EXPECT_EQ(nf::WriteDnf(table), std::nullopt);
  EXPECT_EQ(nf::WriteKnf(table), std::nullopt);
}

TEST(Report, EveryLineEndsInCrLf) {
  for (const auto& table :
       {tableWith(0, {}), tableWith(0, {0}), tableWith(1, {0, 15}), tableWith(2, {1, 2, 30})}) {
    for (const auto& report : {nf::WriteDnf(table).value(), nf::WriteKnf(table).value()}) {
      ASSERT_GE(report.size(), 2U);
      EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
      linesOf(report);
    }
  }
}

}  // namespace

// Compares both reports against a second, deliberately different construction: terms come from
// the bits of the row index (never from the label tables), and the header texts are our own copy.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "core/report.h"

namespace {

struct FormTexts {
  const char* header;
  const char* lineSeparator;
  const char* joiner;
};

constexpr FormTexts kDnf = {
    "Дизюнктивната нормална форма е представена като\r\n"
    "дизюнкция от следните конюнкции - с терми = True: \r\n",
    " v ", " ^ "};
constexpr FormTexts kKnf = {
    "Конюнктивната нормална форма е представена като\r\n"
    "конюнкция от следните дизюнкции - с терми = True: \r\n",
    " ^ ", " v "};

// Expected reports for one variable count and one form; the term of every row is built once.
class Oracle {
 public:
  Oracle(const FormTexts& texts, int variables) : texts_(texts), rows_(1 << variables) {
    for (int row = 0; row < rows_; ++row) {
      std::string& term = terms_[static_cast<std::size_t>(row)];
      term = "(";
      for (int k = 0; k < variables; ++k) {
        if (k > 0) {
          term += texts.joiner;
        }
        // Variable k (A = 0) is bit variables-1-k of the row index.
        if (((row >> (variables - 1 - k)) & 1) == 0) {
          term += '!';
        }
        term += static_cast<char>('A' + k);
      }
      term += ")\r\n";
    }
  }

  // The report for a function that is 1 exactly on the rows whose bit is set in `ones`.
  const std::string& report(std::uint32_t ones) {
    text_ = texts_.header;
    bool first = true;
    for (int row = 0; row < rows_; ++row) {
      if (((ones >> row) & 1U) != 0) {
        if (!first) {
          text_ += texts_.lineSeparator;
        }
        text_ += terms_[static_cast<std::size_t>(row)];
        first = false;
      }
    }
    return text_;
  }

 private:
  FormTexts texts_;
  int rows_;
  std::array<std::string, 32> terms_;
  std::string text_;
};

// Sets the visible rows from `ones`; the hidden slots get arbitrary leftovers, "1" included,
// which no report may show.
nf::TruthTable tableFor(int countIndex, std::uint32_t ones, std::mt19937& rng) {
  nf::TruthTable table;
  table.resetValues();
  table.setCountIndex(countIndex);
  const int rows = 1 << (countIndex + 3);
  for (int row = 0; row < nf::kRowSlots; ++row) {
    const int item = row < rows ? static_cast<int>((ones >> row) & 1U)
                                : static_cast<int>(rng() % 3) - 1;  // -1, 0 or 1
    table.setSelectedItem(row, item);
  }
  return table;
}

void checkEveryTable(int countIndex) {
  const int variables = countIndex + 3;
  Oracle dnf(kDnf, variables);
  Oracle knf(kKnf, variables);
  std::mt19937 rng(20240611U + static_cast<unsigned>(countIndex));
  const std::uint32_t tables = 1U << (1U << variables);
  for (std::uint32_t ones = 0; ones < tables; ++ones) {
    const nf::TruthTable table = tableFor(countIndex, ones, rng);
    ASSERT_EQ(nf::WriteDnf(table), dnf.report(ones)) << "ones 0x" << std::hex << ones;
    ASSERT_EQ(nf::WriteKnf(table), knf.report(ones)) << "ones 0x" << std::hex << ones;
  }
}

TEST(Oracle, EveryThreeVariableTable) {
  checkEveryTable(0);
}

TEST(Oracle, EveryFourVariableTable) {
  checkEveryTable(1);
}

TEST(Oracle, RandomFiveVariableTables) {
  Oracle dnf(kDnf, 5);
  Oracle knf(kKnf, 5);
  std::mt19937 rng(7041U);
  for (int i = 0; i < 100000; ++i) {
    const std::uint32_t ones = static_cast<std::uint32_t>(rng());
    // Some of the "0" rows are left unselected instead: the empty value is not true either.
    const std::uint32_t unselected = ~ones & static_cast<std::uint32_t>(rng());
    nf::TruthTable table;
    table.setCountIndex(2);
    for (int row = 0; row < nf::kRowSlots; ++row) {
      const int item = ((ones >> row) & 1U) != 0 ? 1 : ((unselected >> row) & 1U) != 0 ? -1 : 0;
      table.setSelectedItem(row, item);
    }
    ASSERT_EQ(nf::WriteDnf(table), dnf.report(ones)) << "ones 0x" << std::hex << ones;
    ASSERT_EQ(nf::WriteKnf(table), knf.report(ones)) << "ones 0x" << std::hex << ones;
  }
}

TEST(Oracle, EdgeMasksOfFiveVariables) {
  // The random draw is unlikely to give no true row, every row true, or one true row at either
  // end, so these are checked on their own.
  Oracle dnf(kDnf, 5);
  Oracle knf(kKnf, 5);
  std::mt19937 rng(1U);
  for (const std::uint32_t ones : {0U, 0xFFFFFFFFU, 1U, 0x80000000U}) {
    const nf::TruthTable table = tableFor(2, ones, rng);
    EXPECT_EQ(nf::WriteDnf(table), dnf.report(ones)) << "ones 0x" << std::hex << ones;
    EXPECT_EQ(nf::WriteKnf(table), knf.report(ones)) << "ones 0x" << std::hex << ones;
  }
}

}  // namespace

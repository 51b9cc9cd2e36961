// A function's code: written from the state the user's clicks reach, checked against the value
// column the clicks chose, read back and applied to a fresh window, which must then show
// exactly what the clicks made it show.
#include "window/function_code.h"

#include <gtest/gtest.h>

#include <random>

#include "session_runner.h"

namespace {

namespace group = nf::layout::group;

TEST(FunctionCode, RoundTripOfEveryCountAndFormWithRandomColumns) {
  std::mt19937 random(firstSeedFromEnvironment());
  for (int trial = 0; trial < 600; ++trial) {
    const int countIndex = trial % 3;
    const int form = trial / 3 % 2;
    nf::WindowModel clicked;
    if (trial / 6 % 2 == 1) {
      clicked.input({group::Option1, form});  // the form first brings count 3 with it
    }
    clicked.input({group::List2}, countIndex);
    clicked.input({group::Option1, form});
    std::string column;
    for (int row = 0; row < (8 << countIndex); ++row) {
      column += random() % 2 == 0 ? '0' : '1';
      clicked.input({group::List1, row}, column.back() - '0');
    }
    const std::string expected = (form == 0 ? "dnf-" : "knf-") + column;
    ASSERT_EQ(expected, nf::writeCode(clicked.state()).value_or("no code"));
    const nf::CodeReading reading = nf::readCode(expected);
    ASSERT_TRUE(reading.function) << expected << ": " << reading.problem.english();
    nf::WindowModel applied;
    nf::applyCode(applied, *reading.function);
    ASSERT_EQ(clicked.state(), applied.state()) << expected;
  }
}

// A code opens a window with a report; the assignment and the box Clear empties are none.
TEST(FunctionCode, NoCodeWhileTheBoxShowsNoReport) {
  nf::WindowModel window;
  EXPECT_EQ(std::nullopt, nf::writeCode(window.state()));
  window.input({group::List1, 3}, 1);
  EXPECT_EQ(std::nullopt, nf::writeCode(window.state())) << "a value, but no count yet";
  window.input({group::List2}, 1);
  window.input({group::Command1, 0});
  EXPECT_EQ(std::nullopt, nf::writeCode(window.state())) << "cleared";
  window.input({group::List1, 2}, 1);
  EXPECT_EQ("dnf-00100000", nf::writeCode(window.state()).value_or("no code"));
}

TEST(FunctionCode, ForgivingReadingsEqualTheStrictOne) {
  const nf::CodeReading strict = nf::readCode("knf-01101001");
  ASSERT_TRUE(strict.function);
  EXPECT_EQ(nf::Function({1, 0, {0, 1, 1, 0, 1, 0, 0, 1}}), *strict.function);
  for (const char* code : {"KNF-01101001", "Knf-0110 1001", "knf_0110-1001", " knf - 0110_1001 ",
                           "knf-0 1 1 0 1 0 0 1", "\tknf-01101001\n"}) {
    const nf::CodeReading reading = nf::readCode(code);
    EXPECT_EQ(strict.function, reading.function) << code << ": " << reading.problem.english();
  }
}

TEST(FunctionCode, MalformedCodesSayWhatIsWrong) {
  const std::string counts = ": a function of 3, 4 or 5 variables has 8, 16 or 32";
  const std::pair<std::string, std::string> table[] = {
      {"dnf-011010010110", "12 values" + counts},
      {"dnf-0110201", "a value is 0 or 1, found 2 at position 5"},
      {"dnf-0110ж", "a value is 0 or 1, found ж at position 5"},
      {"dnf-0110--1001", "a value is 0 or 1, found - at position 5"},
      {"cnf-01101001", "the form is dnf or knf"},
      {"dnf01101001", "a dash follows the form, as in dnf-01101001"},
      {"KNF", "a dash follows the form, as in knf-01101001"},
      {" ", "the code is empty"},
      {"dnf-", "no values" + counts},
      {"dnf-1", "1 value" + counts},
      {"dnf-" + std::string(33, '1'), "33 values" + counts},
      {"dnf-01101001_", "the code ends in _"},
      // What the user could not see is named by its code, never written out.
      {"dnf-0110\x01", "a value is 0 or 1, found <U+0001> at position 5"},
      {"dnf-0110\xD0", "a value is 0 or 1, found <0xD0> at position 5"},
      // The limit counts characters: 200 here, in 201 bytes.
      {"dnf-" + std::string(195, '0') + "ж", "a value is 0 or 1, found ж at position 196"},
      {"dnf-" + std::string(197, '0'), "the code is longer than 200 characters"},
  };
  for (const auto& [code, error] : table) {
    const nf::CodeReading reading = nf::readCode(code);
    EXPECT_FALSE(reading.function) << code;
    EXPECT_EQ(error, reading.problem.english()) << code;
  }
}

// A translation may put the arguments in another order; the English text fills them in turn.
TEST(FunctionCode, MessagesFillTheirPlaces) {
  const std::array<std::string, 2> arguments = {"ж", "5"};
  const std::pair<const char*, const char*> table[] = {
      {"found %s at position %s", "found ж at position 5"},
      {"на позиция %2$s има „%1$s“", "на позиция 5 има „ж“"},
      {"%1$s, %1$s and 100%%", "ж, ж and 100%"},
      {"a lone % stays", "a lone % stays"},
      {"%s, %s, %s", "ж, 5, %s"},
  };
  for (const auto& [text, expected] : table) {
    EXPECT_EQ(expected, nf::formatted(text, arguments)) << text;
  }
}

}  // namespace

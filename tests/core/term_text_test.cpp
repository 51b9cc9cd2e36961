#include "core/term_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using nf::Form;

struct TermCase {
  int variables;
  int row;
  std::string_view dnf;
  std::string_view knf;
};

void PrintTo(const TermCase& c, std::ostream* os) {
  *os << c.variables << " variables, row " << c.row;
}

class KnownTerms : public ::testing::TestWithParam<TermCase> {};

TEST_P(KnownTerms, MatchCharacterForCharacter) {
  const TermCase& c = GetParam();
  EXPECT_EQ(nf::termText(Form::Dnf, c.variables, c.row), c.dnf);
  EXPECT_EQ(nf::termText(Form::Knf, c.variables, c.row), c.knf);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, KnownTerms,
    ::testing::Values(TermCase{3, 0, "(!A ^ !B ^ !C)", "(!A v !B v !C)"},
                      TermCase{3, 5, "(A ^ !B ^ C)", "(A v !B v C)"},
                      TermCase{3, 7, "(A ^ B ^ C)", "(A v B v C)"},
                      TermCase{4, 0, "(!A ^ !B ^ !C ^ !D)", "(!A v !B v !C v !D)"},
                      TermCase{4, 1, "(!A ^ !B ^ !C ^ D)", "(!A v !B v !C v D)"},
                      TermCase{4, 2, "(!A ^ !B ^ C ^ !D)", "(!A v !B v C v !D)"},
                      TermCase{4, 3, "(!A ^ !B ^ C ^ D)", "(!A v !B v C v D)"},
                      TermCase{4, 4, "(!A ^ B ^ !C ^ !D)", "(!A v B v !C v !D)"},
                      TermCase{4, 5, "(!A ^ B ^ !C ^ D)", "(!A v B v !C v D)"},
                      TermCase{4, 6, "(!A ^ B ^ C ^ !D)", "(!A v B v C v !D)"},
                      TermCase{4, 9, "(A ^ !B ^ !C ^ D)", "(A v !B v !C v D)"},
                      TermCase{4, 12, "(A ^ B ^ !C ^ !D)", "(A v B v !C v !D)"},
                      TermCase{4, 15, "(A ^ B ^ C ^ D)", "(A v B v C v D)"},
                      TermCase{5, 2, "(!A ^ !B ^ !C ^ D ^ !E)", "(!A v !B v !C v D v !E)"},
                      TermCase{5, 3, "(!A ^ !B ^ !C ^ D ^ E)", "(!A v !B v !C v D v E)"},
                      TermCase{5, 10, "(!A ^ B ^ !C ^ D ^ !E)", "(!A v B v !C v D v !E)"},
                      TermCase{5, 18, "(A ^ !B ^ !C ^ D ^ !E)", "(A v !B v !C v D v !E)"},
                      TermCase{5, 22, "(A ^ !B ^ C ^ D ^ !E)", "(A v !B v C v D v !E)"},
                      TermCase{5, 26, "(A ^ B ^ !C ^ D ^ !E)", "(A v B v !C v D v !E)"},
                      TermCase{5, 31, "(A ^ B ^ C ^ D ^ E)", "(A v B v C v D v E)"}));

// Splits "(x J y J z)" into its literals; fails the test when the parentheses are missing.
std::vector<std::string> literalsOf(const std::string& term, std::string_view joiner) {
  std::vector<std::string> literals;
  EXPECT_TRUE(term.size() >= 2 && term.front() == '(' && term.back() == ')') << term;
  const std::string inner = term.substr(1, term.size() - 2);
  std::size_t start = 0;
  for (std::size_t at = inner.find(joiner); at != std::string::npos;
       start = at + joiner.size(), at = inner.find(joiner, start)) {
    literals.push_back(inner.substr(start, at - start));
  }
  literals.push_back(inner.substr(start));
  return literals;
}

struct FormCase {
  Form form;
  std::string_view joiner;
};

void PrintTo(const FormCase& c, std::ostream* os) {
  *os << (c.form == Form::Dnf ? "DNF" : "CNF");
}

class EveryTerm : public ::testing::TestWithParam<FormCase> {};

TEST_P(EveryTerm, FirstRowIsAllNegatedAndLastRowAllPlain) {
  const auto [form, joiner] = GetParam();
  for (int variables = 3; variables <= 5; ++variables) {
    const auto first = literalsOf(nf::termText(form, variables, 0), joiner);
    const auto last = literalsOf(nf::termText(form, variables, (1 << variables) - 1), joiner);
    ASSERT_EQ(first.size(), static_cast<std::size_t>(variables));
    ASSERT_EQ(last.size(), static_cast<std::size_t>(variables));
    for (std::size_t k = 0; k < first.size(); ++k) {
      const char letter = static_cast<char>('A' + k);
      EXPECT_EQ(first[k], std::string("!") + letter) << variables << " variables";
      EXPECT_EQ(last[k], std::string{letter}) << variables << " variables";
    }
  }
}

// Flipping one digit of a row's label flips the sign of exactly the matching literal.
TEST_P(EveryTerm, NeighbouringRowsDifferInExactlyOneLiteral) {
  const auto [form, joiner] = GetParam();
  for (int variables = 3; variables <= 5; ++variables) {
    for (int row = 0; row < (1 << variables); ++row) {
      const auto literals = literalsOf(nf::termText(form, variables, row), joiner);
      ASSERT_EQ(literals.size(), static_cast<std::size_t>(variables));
      for (int digit = 0; digit < variables; ++digit) {
        const int neighbour = row ^ (1 << (variables - 1 - digit));
        const auto other = literalsOf(nf::termText(form, variables, neighbour), joiner);
        ASSERT_EQ(other.size(), literals.size());
        for (std::size_t k = 0; k < literals.size(); ++k) {
          if (k != static_cast<std::size_t>(digit)) {
            EXPECT_EQ(literals[k], other[k]) << "rows " << row << ", " << neighbour;
            continue;
          }
          const std::string plain(1, static_cast<char>('A' + digit));
          const std::string& pos = literals[k].front() == '!' ? other[k] : literals[k];
          const std::string& neg = literals[k].front() == '!' ? literals[k] : other[k];
          EXPECT_EQ(pos, plain) << "rows " << row << ", " << neighbour;
          EXPECT_EQ(neg, "!" + plain) << "rows " << row << ", " << neighbour;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothForms, EveryTerm,
                         ::testing::Values(FormCase{Form::Dnf, " ^ "}, FormCase{Form::Knf, " v "}));

TEST(KnfTerm, OneBlankOnEachSideOfEveryOr) {
  for (int variables = 3; variables <= 5; ++variables) {
    for (int row = 0; row < (1 << variables); ++row) {
      const std::string term = nf::termText(Form::Knf, variables, row);
      int ors = 0;
      int blanks = 0;
      for (std::size_t i = 0; i < term.size(); ++i) {
        if (term[i] == ' ') {
          ++blanks;
        } else if (term[i] == 'v') {
          ++ors;
          ASSERT_TRUE(i >= 2 && i + 2 < term.size()) << term;
          EXPECT_TRUE(term[i - 1] == ' ' && term[i + 1] == ' ') << term;
          EXPECT_TRUE(term[i - 2] != ' ' && term[i + 2] != ' ') << term;
        }
      }
      EXPECT_EQ(ors, variables - 1) << term;
      EXPECT_EQ(blanks, 2 * ors) << term;
      EXPECT_EQ(term.find('^'), std::string::npos) << term;
    }
  }
}

TEST(KnfTerm, IsTheDnfTermWithTheOtherJoiner) {
  for (int variables = 3; variables <= 5; ++variables) {
    for (int row = 0; row < (1 << variables); ++row) {
      std::string dnf = nf::termText(Form::Dnf, variables, row);
      for (std::size_t at = dnf.find(" ^ "); at != std::string::npos; at = dnf.find(" ^ ", at)) {
        dnf.replace(at, 3, " v ");
      }
      EXPECT_EQ(nf::termText(Form::Knf, variables, row), dnf);
    }
  }
}

}  // namespace

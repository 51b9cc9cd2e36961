#include "core/term_text.h"

#include <array>
#include <vector>

#include "core/truth_table.h"

namespace nf {
namespace {

constexpr std::string_view kLetters = "ABCDE";

// Joiner between the literals of one term: " ^ " in ДНФ, " v " in КНФ.
std::string_view termJoiner(Form form) {
  return form == Form::Dnf ? " ^ " : " v ";
}

// The literals follow the row label's digits, so that label and term always name the same
// row; the digits are separated by single blanks.
std::string buildTermText(Form form, int variables, int row) {
  const std::string_view label = rowLabel(variables - 3, row);
  const std::string_view joiner = termJoiner(form);
  std::string term = "(";
  for (std::size_t digit = 0; 2 * digit < label.size(); ++digit) {
    if (digit > 0) {
      term += joiner;
    }
    if (label[2 * digit] == '0') {
      term += '!';
    }
    term += kLetters[digit];
  }
  term += ')';
  return term;
}

// All 8 + 16 + 32 terms of one form, built once: a report then only copies them.
class TermTable {
 public:
  explicit TermTable(Form form) {
    for (int countIndex = 0; countIndex < static_cast<int>(kCountItems.size()); ++countIndex) {
      for (int row = 0; row < rowLabelCount(countIndex); ++row) {
        terms_[static_cast<std::size_t>(countIndex)].push_back(
            buildTermText(form, variableCount(countIndex), row));
      }
    }
  }

  std::string_view term(int variables, int row) const {
    const auto& terms = terms_[static_cast<std::size_t>(variables - 3)];
    return terms[static_cast<std::size_t>(row)];
  }

 private:
  std::array<std::vector<std::string>, kCountItems.size()> terms_;
};

const TermTable& termTable(Form form) {
  static const TermTable dnf(Form::Dnf);
  static const TermTable knf(Form::Knf);
  return form == Form::Dnf ? dnf : knf;
}

bool isTerm(int variables, int row) {
  return variables >= 3 && variables <= 5 && row >= 0 && row < (1 << variables);
}

}  // namespace

void appendTermText(std::string& out, Form form, int variables, int row) {
  if (isTerm(variables, row)) {
    out.append(termTable(form).term(variables, row));
  }
}

std::string termText(Form form, int variables, int row) {
  std::string term;
  appendTermText(term, form, variables, row);
  return term;
}

}  // namespace nf

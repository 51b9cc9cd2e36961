#include "core/term_text.h"

#include "core/truth_table.h"

namespace nf {
namespace {

constexpr std::string_view kLetters = "ABCDE";

}  // namespace

std::string_view termJoiner(Form form) { return form == Form::Dnf ? " ^ " : " v "; }

void appendTermText(std::string& out, Form form, int variables, int row) {
  // The literals follow the row label's digits, so that label and term always name the
  // same row; the digits are separated by single blanks.
  const std::string_view label = rowLabel(variables - 3, row);
  const std::string_view joiner = termJoiner(form);
  out += '(';
  for (std::size_t digit = 0; 2 * digit < label.size(); ++digit) {
    if (digit > 0) {
      out += joiner;
    }
    if (label[2 * digit] == '0') {
      out += '!';
    }
    out += kLetters[digit];
  }
  out += ')';
}

std::string termText(Form form, int variables, int row) {
  std::string term;
  appendTermText(term, form, variables, row);
  return term;
}

}  // namespace nf

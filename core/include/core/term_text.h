#pragma once

#include <string>
#include <string_view>

namespace nf {

/// The two normal forms the program writes.
enum class Form { Dnf, Knf };

/// Term of row `row` for `variables` variables (3..5): the letters A..E in order, each plain
/// where the row's digit is 1 and behind "!" where it is 0, joined by the form's joiner and
/// enclosed in parentheses. Both forms use the same signs: only the joiner differs. Empty for a
/// count or row outside the tables.
std::string termText(Form form, int variables, int row);

/// Appends the term of `row` to `out`; the allocation-free form of termText.
void appendTermText(std::string& out, Form form, int variables, int row);

}  // namespace nf

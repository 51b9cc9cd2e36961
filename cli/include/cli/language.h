#pragma once

#include <string>
#include <string_view>

#include "window/function_code.h"

namespace nf {

/// The program's name, which its lines on standard error begin with.
inline constexpr const char* kProgram = "normal-forms";

/// The text domain of the program's catalogue: po/bg.po, installed as normal-forms.mo.
inline constexpr const char* kTextDomain = "normal-forms";

/// Speaks the user's language from here on, as every GNU tool does at its start: the locale the
/// environment names (so that the C library's own messages follow it too) and the program's
/// catalogue, in ../share/locale beside the executable. Nothing is read here: the catalogue is
/// opened by the first text looked up, which only a text for the terminal does.
void useUserLanguage();

/// `english`, a text of the program's own, in the user's language: what gettext's `_()` is in
/// other programs (the catalogue's extraction takes the texts given to it).
[[gnu::format_arg(1)]] const char* localized(const char* english);

/// A message of the window library in the user's language: its text looked up in the
/// catalogue, then its arguments put in.
std::string translated(const Message& message);

/// Writes `line` to standard error after the program's name, "normal-forms: ", with a line
/// feed. `line` is one line of text the program wrote or passed through shownText.
void complain(std::string_view line);

}  // namespace nf

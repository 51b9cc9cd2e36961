#pragma once

#include <string>
#include <string_view>

namespace nf {

/// The bytes of the character `text` (not empty) begins with: a valid UTF-8 character's (its
/// shortest form, no surrogate, at most U+10FFFF), or 1 for a byte that begins none.
std::size_t characterLength(std::string_view text);

/// Outside text as the program shows it back, on a terminal or in a page: valid UTF-8 as it is,
/// but each control character (C0, DEL, C1), bidirectional control and line or paragraph
/// separator named by its code, "<U+009B>", and each byte that is not part of valid UTF-8 by
/// its value, "<0xED>". What it gives is one line of valid text that cannot steer a terminal or
/// turn the text around it; text that comes back unchanged is plain text.
std::string shownText(std::string_view text);

}  // namespace nf

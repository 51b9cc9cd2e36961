#pragma once

// What the fuzz targets check beyond "no crash": a broken property stops the run, which
// libFuzzer then reports with the input that broke it.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string_view>

inline void require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

/// Whether `text` may be shown as it is: valid UTF-8, as the C library reads it in C.UTF-8 (a
/// character of at most four bytes, up to U+10FFFF), with no control character (C0, DEL, C1,
/// the line and paragraph separators: iswcntrl) and no bidirectional control.
inline bool plainText(std::string_view text) {
  static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
  std::mbstate_t state{};
  for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
    wchar_t c = 0;
    length = std::mbrtowc(&c, text.data() + at, text.size() - at, &state);
    if (!utf8 || length == 0 || length > 4 || c > 0x10FFFF ||
        std::iswcntrl(static_cast<wint_t>(c)) || c == 0x061C || c == 0x200E || c == 0x200F ||
        (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069)) {
      return false;
    }
  }
  return true;
}

/// A message for the user: not empty, and one line of plain text.
inline void requireOneLine(std::string_view message, const char* what) {
  require(!message.empty() && plainText(message), what);
}

#pragma once

// What the fuzz targets check beyond "no crash": a broken property stops the run, which
// libFuzzer then reports with the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string_view>

inline void require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

/// A message for the user: not empty, and one line of text with no control character.
inline void requireOneLine(std::string_view message, const char* what) {
  require(!message.empty(), what);
  for (const char c : message) {
    require(static_cast<unsigned char>(c) >= 0x20U && c != 0x7F, what);
  }
}

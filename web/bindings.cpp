// The window behind the page, as a few plain C functions exported from the WebAssembly module.
// The face passes texts through the module's heap, never its stack: an address can be of any
// length, and the face cuts what it passes to just past the longest code the window reads.
#include <emscripten/emscripten.h>

#include <string>

#include "page_session.h"
#include "window/function_code.h"

namespace {

nf::web::PageSession& session() {
  static nf::web::PageSession page;
  return page;
}

// Strings handed to the face stay valid until the next call.
const char* handOver(std::string text) {
  static std::string held;
  held = std::move(text);
  return held.c_str();
}

}  // namespace

extern "C" {

/// The user's input on the control with id `id`: item `item` chosen in a list, or a click or
/// press on any other control. Returns the page's attributes that change.
EMSCRIPTEN_KEEPALIVE const char* nf_input(const char* id, int item) {
  return handOver(session().input(id, item));
}

/// The code of the function the window shows, or an empty text while it shows none.
EMSCRIPTEN_KEEPALIVE const char* nf_code() {
  return handOver(session().code());
}

/// The most characters of an address the face passes on: one more than a code may have, so
/// that a longer one still reads as too long.
EMSCRIPTEN_KEEPALIVE int nf_longest_code() {
  return static_cast<int>(nf::kLongestCodeText) + 1;
}

/// What is wrong with the code of `length` bytes at `code`, or an empty text when it names a
/// function. The length is given, as an address may hold a NUL.
EMSCRIPTEN_KEEPALIVE const char* nf_code_problem(const char* code, int length) {
  return handOver(nf::readCode({code, static_cast<std::size_t>(length)}).problem.english());
}

/// Opens the function the code of `length` bytes at `code` names; a code that does not read
/// changes nothing. Returns the page's attributes that change.
EMSCRIPTEN_KEEPALIVE const char* nf_open(const char* code, int length) {
  return handOver(session().open({code, static_cast<std::size_t>(length)}));
}

}  // extern "C"

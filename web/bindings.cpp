// The window behind the page, as a few plain C functions exported from the page's program. The
// face hands every text over in the program's heap, as its bytes and their length, never on its
// stack: an address can be of any length, and no length of text may reach the stack. Texts
// handed back stay valid until the next call.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

#include "page_session.h"
#include "window/function_code.h"

namespace {

nf::web::PageSession& session() {
  static nf::web::PageSession page;
  return page;
}

const char* handOver(std::string text) {
  static std::string held;
  held = std::move(text);
  return held.c_str();
}

std::string_view text(const char* bytes, int length) {
  return {bytes, static_cast<std::size_t>(length)};
}

}  // namespace

extern "C" {

/// The user's input on the control with id `id`: item `item` chosen in a list, or a click or
/// press on any other control. Returns the page's attributes to write.
EMSCRIPTEN_KEEPALIVE const char* nf_input(const char* id, int idLength, int item) {
  return handOver(session().input(text(id, idLength), item));
}

/// A key pressed on the control with id `id`, named `key` as the browser names it, with Ctrl,
/// Alt or Meta held when `shortcut` is not 0. Returns "" when the window leaves the key to the
/// browser, else "1" and the page's attributes to write.
EMSCRIPTEN_KEEPALIVE const char* nf_key(const char* id, int idLength, const char* key,
                                        int keyLength, int shortcut) {
  return handOver(session().key(text(id, idLength), text(key, keyLength), shortcut != 0));
}

/// The code of the function the window shows, or an empty text while it shows none.
EMSCRIPTEN_KEEPALIVE const char* nf_code() {
  return handOver(session().code());
}

/// What is wrong with the code `code`, or an empty text when it names a function.
EMSCRIPTEN_KEEPALIVE const char* nf_code_problem(const char* code, int length) {
  return handOver(nf::readCode(text(code, length)).problem.english());
}

/// Opens the function the code `code` names; a code that does not read changes nothing.
/// Returns the page's attributes that change.
EMSCRIPTEN_KEEPALIVE const char* nf_open(const char* code, int length) {
  return handOver(session().open(text(code, length)));
}

}  // extern "C"

// The page's ways into the window, with any text: an element's id with any item or any key,
// and any address. An id is taken exactly when it is the name of a control that takes input, a
// key held with a shortcut's modifier never is, and whatever comes, the window stays one that
// its own code opens again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_check.h"
#include "page_session.h"
#include "window/controls.h"
#include "window/function_code.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  nf::web::PageSession page;
  while (input.remaining_bytes() > 0) {
    const int way = input.ConsumeIntegralInRange(0, 2);
    if (way < 2) {
      const std::string id = input.ConsumeRandomLengthString(16);
      const std::optional<nf::layout::Control> control = nf::layout::Control::named(id);
      require(!control || control->name() == id, "a control taken by another name");
      std::string patch;
      if (way == 0) {
        patch = page.input(id, input.ConsumeIntegralInRange(-2, 4));
      } else {
        const bool shortcut = input.ConsumeBool();
        patch = page.key(id, input.ConsumeRandomLengthString(16), shortcut);
        require(patch.empty() || (!shortcut && patch[0] == '1'), "a shortcut taken as a key");
      }
      require(control || patch.empty(), "an id that names no control changed the page");
    } else {
      const nf::WindowState before = page.window().state();
      const std::string code = input.ConsumeRandomLengthString(300);
      page.open(code);
      require(nf::readCode(code).function || page.window().state() == before,
              "an address that does not read changed the window");
    }
    // The window shows a function that its code opens again, exactly.
    const std::string code = page.code();
    if (!code.empty()) {
      nf::web::PageSession reopened;
      reopened.open(code);
      require(reopened.code() == code, "the window's code opens another function");
    }
  }
  return 0;
}

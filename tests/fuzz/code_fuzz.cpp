// Any text as a function's code: it reads, or it gets one line saying why; a code that reads,
// applied to a fresh window and written again, reads back to the same function.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz_check.h"
#include "window/function_code.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const nf::CodeReading reading = nf::readCode(text);
  if (!reading.function) {
    requireOneLine(reading.problem.english(), "readCode's problem is not one line of plain text");
    return 0;
  }
  require(reading.problem.english().empty(), "a code that reads has an error too");
  require(size <= nf::kLongestCodeText, "a text past the longest code read");
  nf::WindowModel window;
  nf::applyCode(window, *reading.function);
  const auto written = nf::writeCode(window.state());
  require(written.has_value(), "an applied code leaves a window with no code");
  require(nf::readCode(*written).function == reading.function,
          "the written code reads back to another function");
  return 0;
}

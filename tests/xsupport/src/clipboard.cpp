#include "xsupport/clipboard.h"

#include <thread>

#include "xsupport/program_path.h"

namespace xsupport {

namespace {

constexpr auto kReadTimeout = std::chrono::seconds(3);
constexpr auto kReadInterval = std::chrono::milliseconds(50);

}  // namespace

Clipboard::Clipboard() : xclip_(findProgram("xclip")) {}

std::vector<std::string> Clipboard::argv() const {
  return {xclip_, "-o", "-selection", "clipboard", "-t", "UTF8_STRING"};
}

std::optional<std::string> Clipboard::read() const {
  // xclip complains on standard error when nothing offers text.
  ProgramResult result = runProgram(argv(), kReadTimeout, true);
  return result.ok() ? std::optional<std::string>(std::move(result.output)) : std::nullopt;
}

std::string Clipboard::readUntil(const std::string& expected,
                                 std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string last;
  while (true) {
    if (const std::optional<std::string> text = read()) {
      last = *text;
    }
    if (last == expected || std::chrono::steady_clock::now() >= deadline) {
      return last;
    }
    std::this_thread::sleep_for(kReadInterval);
  }
}

std::unique_ptr<ChildProcess> Clipboard::startRead() const {
  auto child = std::make_unique<ChildProcess>();
  return child->start(argv(), {.captureOutput = true, .quietErrors = true}) ? std::move(child)
                                                                            : nullptr;
}

}  // namespace xsupport

#include "xsupport/clipboard.h"

#include <thread>

namespace xsupport {

namespace {

constexpr auto kReadTimeout = std::chrono::seconds(3);
constexpr auto kReadInterval = std::chrono::milliseconds(50);

std::vector<std::string> xclipRead() {
  return {findProgram("xclip"), "-o", "-selection", "clipboard", "-t", "UTF8_STRING"};
}

}  // namespace

std::string readClipboardUntil(const std::string& expected, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::string last;
  while (true) {
    // xclip complains on standard error when nothing offers text.
    if (const ProgramResult read = runProgram(xclipRead(), kReadTimeout, ChildProcess::kDiscard);
        read.ok()) {
      last = read.output;
    }
    if (last == expected || std::chrono::steady_clock::now() >= deadline) {
      return last;
    }
    std::this_thread::sleep_for(kReadInterval);
  }
}

std::unique_ptr<ChildProcess> startClipboardRead() {
  auto child = std::make_unique<ChildProcess>();
  return child->start(xclipRead(), {.captureOutput = true, .logFd = ChildProcess::kDiscard})
             ? std::move(child)
             : nullptr;
}

}  // namespace xsupport

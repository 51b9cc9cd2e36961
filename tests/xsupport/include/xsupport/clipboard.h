#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "xsupport/child_process.h"

namespace xsupport {

// The clipboard of the display in DISPLAY as another program sees it: read through xclip, as
// UTF-8 text.

/// Reads until the clipboard holds `expected` or `timeout` passes: the program that owns it
/// answers from its event loop, on its own schedule. Returns the last text read.
std::string readClipboardUntil(const std::string& expected, std::chrono::milliseconds timeout);

/// Starts a read without waiting: for a window in the caller's own process, which must answer
/// the request meanwhile. The text is the output of a run that exits with 0. Null when xclip
/// cannot start.
std::unique_ptr<ChildProcess> startClipboardRead();

}  // namespace xsupport

#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "xsupport/child_process.h"

namespace xsupport {

/// The clipboard of the display in DISPLAY as another program sees it: read through xclip,
/// as UTF-8 text.
class Clipboard {
 public:
  Clipboard();

  /// The clipboard's text; nothing when no program offers text there, or none answered in time.
  std::optional<std::string> read() const;

  /// Reads until the clipboard holds `expected` or `timeout` passes: the program that owns it
  /// answers from its event loop, on its own schedule. Returns the last text read.
  std::string readUntil(const std::string& expected, std::chrono::milliseconds timeout) const;

  /// Starts a read without waiting: for a window in the caller's own process, which must answer
  /// the request meanwhile. The text is the output of a run that exits with 0. Null when xclip
  /// cannot start.
  std::unique_ptr<ChildProcess> startRead() const;

 private:
  std::vector<std::string> argv() const;

  std::string xclip_;
};

}  // namespace xsupport

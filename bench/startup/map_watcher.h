#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>

#include "clock.h"

namespace startup_bench {

/// The X client that watches the root window for top-level windows being mapped.
class Watcher {
 public:
  /// Connects to `display` and selects SubstructureNotify on its root window; throws
  /// std::runtime_error when the server cannot be reached.
  explicit Watcher(const std::string& display);
  ~Watcher();

  Watcher(const Watcher&) = delete;
  Watcher& operator=(const Watcher&) = delete;

  /// Forgets the notifications about earlier runs.
  void drain();

  /// Waits until a top-level window of `pid` is mapped; returns the moment the notification
  /// arrived and the window, or nothing when `pid` exits or `deadline` passes first.
  std::optional<std::pair<Clock::time_point, Window>> waitForMap(pid_t pid,
                                                                 Clock::time_point deadline);

  /// Waits until `window` shows its first frame, seen at its pixel (1, 1), which the bare
  /// black root leaves at 0; returns the moment, or nothing when `deadline` passes first.
  std::optional<Clock::time_point> waitForDrawn(Window window, Clock::time_point deadline);

  /// The UTF-8 _NET_WM_NAME of `window`; empty when it has none.
  std::string title(Window window);

  /// The width and height of `window`; 0 x 0 when it is gone.
  std::pair<int, int> size(Window window);

 private:
  std::optional<long> windowPid(Window window);

  Display* display_ = nullptr;
  Window root_ = None;
  Atom pidAtom_ = None;
  Atom nameAtom_ = None;
  Atom utf8Atom_ = None;
};

}  // namespace startup_bench

#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

namespace startup_bench {

using Clock = std::chrono::steady_clock;

/// The X client that sees a program's window appear: the map notification of its top-level
/// window, then every frame the window shows, grabbed whole.
class FrameWatcher {
 public:
  /// Connects to `display` and watches its root window for windows being mapped; throws
  /// std::runtime_error when the server cannot be reached.
  explicit FrameWatcher(const std::string& display);
  ~FrameWatcher();
  FrameWatcher(const FrameWatcher&) = delete;
  FrameWatcher& operator=(const FrameWatcher&) = delete;

  /// Forgets the notifications about earlier runs.
  void drain();

  struct Mapped {
    Clock::time_point at;  // when the notification arrived
    Window window;
  };
  /// Waits until a top-level window of `pid` is mapped; nothing when `pid` ends or `deadline`
  /// passes first.
  std::optional<Mapped> waitForMap(pid_t pid, Clock::time_point deadline);

  struct Frames {
    std::optional<Clock::time_point> first;     // the first one that is not the black root
    std::optional<Clock::time_point> complete;  // the first one of the frame the window settled on
    int changes = 0;                            // frames seen, each unlike the one before
  };
  /// Reads `window`'s pixels, over and over, until `until`; see frame_watcher.cpp for how.
  Frames watchFrames(Window window, Clock::time_point until);

  /// The UTF-8 _NET_WM_NAME of `window`; empty when it has none.
  std::string title(Window window);
  /// The width and height of `window`; 0 x 0 when it is gone.
  std::pair<int, int> size(Window window);

 private:
  std::string property(Window window, Atom name, Atom type, int format);
  std::optional<long> windowPid(Window window);

  Display* display_ = nullptr;
  Window root_ = None;
  Atom pidAtom_ = None;
  Atom nameAtom_ = None;
  Atom utf8Atom_ = None;
};

}  // namespace startup_bench

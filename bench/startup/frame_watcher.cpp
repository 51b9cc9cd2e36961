#include "frame_watcher.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <thread>

namespace startup_bench {

namespace {

// A window may be gone by the time it is read; that is no reason to stop.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
  return 0;
}

// The pixels of a rectangle of the window as one hash; 0 when they cannot be grabbed, and for
// black ones.
std::size_t grabHash(Display* display, Window window, int x, int y, int width, int height) {
  XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) {
    return 0;
  }
  const std::string_view pixels(image->data, static_cast<std::size_t>(image->bytes_per_line) *
                                                 static_cast<std::size_t>(image->height));
  const bool black = std::all_of(pixels.begin(), pixels.end(), [](char c) { return c == 0; });
  const std::size_t hash = black ? 0 : std::hash<std::string_view>{}(pixels) | 1;
  XDestroyImage(image);
  return hash;
}

}  // namespace

FrameWatcher::FrameWatcher(const std::string& display) {
  display_ = XOpenDisplay(display.c_str());
  if (display_ == nullptr) {
    throw std::runtime_error("cannot connect to the X server at " + display);
  }
  XSetErrorHandler(ignoreXError);
  root_ = DefaultRootWindow(display_);
  XSelectInput(display_, root_, SubstructureNotifyMask);
  pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
  nameAtom_ = XInternAtom(display_, "_NET_WM_NAME", False);
  utf8Atom_ = XInternAtom(display_, "UTF8_STRING", False);
  XSync(display_, False);
}

FrameWatcher::~FrameWatcher() {
  XCloseDisplay(display_);
}

void FrameWatcher::drain() {
  XSync(display_, False);
  XEvent event;
  while (XPending(display_) > 0) {
    XNextEvent(display_, &event);
  }
}

std::optional<FrameWatcher::Mapped> FrameWatcher::waitForMap(pid_t pid,
                                                             Clock::time_point deadline) {
  while (true) {
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      const Clock::time_point arrived = Clock::now();
      if (event.type != MapNotify || event.xmap.event != root_ || event.xmap.override_redirect) {
        continue;
      }
      const std::optional<long> owner = windowPid(event.xmap.window);
      if (!owner || *owner == pid) {
        return Mapped{arrived, event.xmap.window};
      }
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      return std::nullopt;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      return std::nullopt;
    }
    pollfd waiting{ConnectionNumber(display_), POLLIN, 0};
    poll(&waiting, 1, static_cast<int>(std::min<long>(left, 50)));
  }
}

// When is the window complete, all its controls drawn? A known pixel of the control drawn last
// would have to be chosen anew for every change of the window and would say nothing about the
// floor. Instead the frame the window shows when the memory is read, long after start-up, is
// the complete one, and its time is when it first showed and stayed. A whole-window grab keeps
// the X server busy for about 5 ms, though, and grabbing every millisecond delayed the very
// paint being timed by some 12 ms. So until the first frame only one row of pixels is read,
// every millisecond; from then on the whole window every 10 ms. When the frame at the first
// row's change is already the final one (the toolkit paints the whole window at once),
// `complete` is as exact as `first`.
FrameWatcher::Frames FrameWatcher::watchFrames(Window window, Clock::time_point until) {
  const auto [width, height] = size(window);
  Frames frames;
  while (!frames.first && Clock::now() < until) {
    if (grabHash(display_, window, 0, 1, width, 1) != 0) {
      frames.first = Clock::now();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  std::size_t last = 0;
  Clock::time_point shown = frames.first.value_or(until);
  while (frames.first && Clock::now() < until) {
    const std::size_t hash = grabHash(display_, window, 0, 0, width, height);
    if (hash != last) {
      frames.complete = last == 0 ? shown : Clock::now();
      ++frames.changes;
      last = hash;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (last == 0) {
    frames.complete.reset();  // it ended black, or gone
  }
  return frames;
}

// The property `name` of `window` when it has `type` in items of `format` bits; Xlib hands
// 32-bit items back as longs.
std::string FrameWatcher::property(Window window, Atom name, Atom type, int format) {
  Atom actualType = None;
  int actualFormat = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string bytes;
  if (XGetWindowProperty(display_, window, name, 0, 1024, False, type, &actualType, &actualFormat,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    if (actualType == type && actualFormat == format) {
      bytes.assign(reinterpret_cast<const char*>(data),
                   format == 32 ? count * sizeof(long) : count);
    }
    XFree(data);
  }
  return bytes;
}

std::string FrameWatcher::title(Window window) {
  return property(window, nameAtom_, utf8Atom_, 8);
}

std::pair<int, int> FrameWatcher::size(Window window) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display_, window, &attributes) == 0) {
    return {0, 0};
  }
  return {attributes.width, attributes.height};
}

std::optional<long> FrameWatcher::windowPid(Window window) {
  const std::string bytes = property(window, pidAtom_, XA_CARDINAL, 32);
  if (bytes.size() != sizeof(long)) {
    return std::nullopt;
  }
  long pid = 0;
  std::memcpy(&pid, bytes.data(), sizeof pid);
  return pid;
}

}  // namespace startup_bench

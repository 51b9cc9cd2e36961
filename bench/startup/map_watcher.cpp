#include "map_watcher.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <sys/wait.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace startup_bench {

namespace {

// A window may be gone by the time its properties are read; that is no reason to stop.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
  return 0;
}

}  // namespace

Watcher::Watcher(const std::string& display) {
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

Watcher::~Watcher() {
  XCloseDisplay(display_);
}

void Watcher::drain() {
  XSync(display_, False);
  XEvent event;
  while (XPending(display_) > 0) {
    XNextEvent(display_, &event);
  }
}

std::optional<std::pair<Clock::time_point, Window>> Watcher::waitForMap(
    pid_t pid, Clock::time_point deadline) {
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
        return std::make_pair(arrived, event.xmap.window);
      }
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      return std::nullopt;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      return std::nullopt;
    }
    pollfd waiting{ConnectionNumber(display_), POLLIN, 0};
    poll(&waiting, 1, static_cast<int>(std::min<long>(left.count(), 50)));
  }
}

std::optional<Clock::time_point> Watcher::waitForDrawn(Window window, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    XImage* image = XGetImage(display_, window, 1, 1, 1, 1, AllPlanes, ZPixmap);
    const Clock::time_point seen = Clock::now();
    if (image != nullptr) {
      const unsigned long pixel = XGetPixel(image, 0, 0);
      XDestroyImage(image);
      if (pixel != 0) {
        return seen;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return std::nullopt;
}

std::string Watcher::title(Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display_, window, nameAtom_, 0, 1024, False, utf8Atom_, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    if (type == utf8Atom_ && format == 8) {
      text.assign(reinterpret_cast<const char*>(data), count);
    }
    XFree(data);
  }
  return text;
}

std::pair<int, int> Watcher::size(Window window) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display_, window, &attributes) == 0) {
    return {0, 0};
  }
  return {attributes.width, attributes.height};
}

std::optional<long> Watcher::windowPid(Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::optional<long> pid;
  if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    if (type == XA_CARDINAL && format == 32 && count == 1) {
      pid = *reinterpret_cast<const long*>(data);  // Xlib hands 32-bit items back as long
    }
    XFree(data);
  }
  return pid;
}

}  // namespace startup_bench

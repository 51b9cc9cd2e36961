#pragma once

#include <string>

#include "xsupport/child_process.h"

namespace xsupport {

/// A private X server (Xvfb, 24 bits, black root, no TCP, no window manager) on a display number
/// it picks itself, so that runs side by side never meet. It dies with the process that started
/// it.
class XServer {
 public:
  /// Starts the server with a screen of `width` x `height` pixels and waits until it takes
  /// connections; returns an empty text, or what went wrong. The window at its own size fits
  /// the default screen.
  std::string start(int width = 800, int height = 600);

  /// The display name, ":3" for display 3; empty before a successful start.
  const std::string& display() const { return display_; }

  /// Points this process, and every program it starts from now on, at the server: DISPLAY,
  /// Qt's X11 platform, no Wayland, and no session bus (the display has none; without an
  /// address the D-Bus library would try to start one for it).
  void useForPrograms() const;

  /// Ends the server; it also ends when the object goes away.
  void stop() { server_.stop(); }

 private:
  ChildProcess server_;
  std::string display_;
};

}  // namespace xsupport

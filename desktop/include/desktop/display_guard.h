#pragma once

#include <QtGlobal>

namespace nf {

/// Guards Qt's start against a display it cannot reach. While it is held, Qt's messages are
/// kept back, and a fatal one (Qt would abort after it) ends the program with status 1: with
/// reportNoDisplay's line when the platform plugin of an X or Wayland display said it could
/// not reach it, or else with Qt's own reason, each kept message and the fatal one after the
/// program's name, passed through shownText (a platform plugin or a library it needs is
/// missing, a device is not there). release() gives the kept messages to the handler that was
/// there before, in their order, once Qt has started.
class DisplayGuard {
 public:
  /// Holds Qt's messages from here on.
  DisplayGuard();
  /// Releases them if release() was not called.
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;

  /// Puts the previous handler back and passes it the messages kept meanwhile.
  void release();

 private:
  QtMessageHandler previous_;
  bool held_ = true;
};

}  // namespace nf

#pragma once

#include <QtGlobal>

namespace nf {

/// Guards Qt's start against a display it cannot reach. While it is held, Qt's messages are
/// kept back, and the fatal one Qt gives when its platform plugin cannot be started (after a
/// warning, the advice to reinstall the program, and an abort) ends the program instead with
/// reportNoDisplay's line and status 1. release() gives the kept messages to the handler that
/// was there before, in their order, once Qt has started.
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

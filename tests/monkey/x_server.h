#pragma once

#include <sys/types.h>

#include <QString>

/// A private Xvfb for the monkey test, started before the QApplication so that the window and
/// the input tools share one display that nothing else touches. The server dies with the test
/// process even when the test crashes or is killed by a time-out.
class XServer {
 public:
  XServer() = default;
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;
  ~XServer() { stop(); }

  /// Starts the server; returns an empty text on success, otherwise what went wrong.
  QString start(const QString& executable);
  /// Display name, ":3" for display 3; empty before a successful start.
  QString display() const { return display_; }
  /// Ends the server (SIGTERM, then SIGKILL) and reaps it.
  void stop();

 private:
  pid_t pid_ = -1;
  QString display_;
};

/// Full path of the program `name` on PATH, or an empty text when it is not there.
QString findProgram(const QString& name);

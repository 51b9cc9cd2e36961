#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "monkey_input.h"
#include "xsupport/x_input.h"

/// The application for the monkey: it shows every event to the input pump before any event
/// filter can take it (a drag in progress takes the pointer moves that mark the end of an
/// input).
class MonkeyApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

/// Sends real X input with xdotool and runs other X tools without ever blocking: everything
/// reports back through callbacks from the event loop, whichever loop is running (a menu the
/// monkey opened may run its own until a later input closes it). An input counts as handled
/// once the window has seen all of it: every stage ends with a pointer move to a marker point,
/// and the X server delivers the move after the events that came before it; and every key
/// press must have reached the window.
class InputPump : public QObject {
 public:
  /// Called with how the program ended; not finished when it could not start or did not end
  /// in time.
  using Finished = std::function<void(const xsupport::ProgramResult&)>;
  /// Empty when all went well, otherwise what went wrong.
  using Handled = std::function<void(const QString& problem)>;

  InputPump();
  ~InputPump() override;

  /// Waits for `child` without blocking; `finished` is called once it ended or `timeoutMs`
  /// passed. A null `child` (it could not start) finishes at once. One program at a time: each
  /// is started once the one before has finished.
  void await(std::unique_ptr<xsupport::ChildProcess> child, int timeoutMs, Finished finished);

  /// Sends the stages of `input`, each with a pointer move to a marker point behind it and once
  /// the window has handled the one before, and calls `handled` once it has handled the last.
  void send(MonkeyInput input, Handled handled);

  /// Marker moves sent again because the first one was lost (see input_pump.cpp).
  int markerRetries() const { return markerRetries_; }
  /// Inputs during which a menu was open.
  int menuInputs() const { return menuInputs_; }

 private:
  friend class MonkeyApplication;
  /// Sees an event as the application hands it out.
  void observe(const QObject* receiver, const QEvent* event);

  void pollChild();
  void sendStage();
  void sendWithMarker(const xsupport::XCommands& commands);
  void completeWhenSeen();
  void stageHandled();
  void complete(const QString& problem);

  std::unique_ptr<xsupport::ChildProcess> child_;
  QDeadlineTimer deadline_;
  Finished finished_;
  QTimer childTimer_;

  MonkeyInput input_;
  qsizetype stage_ = 0;
  Handled handled_;
  bool menuOpen_ = false;  // a menu was open during the current input
  int menuInputs_ = 0;
  int keyPresses_ = 0;  // other than modifiers, during the current input

  QPoint pointer_{-1, -1};
  QPoint marker_{-1, -1};
  bool markerSeen_ = false;
  int markerTries_ = 0;
  int markerRetries_ = 0;
  bool sent_ = false;
  QTimer markerTimer_;
};

#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "xsupport/child_process.h"
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
/// once the window has seen all of it: every input ends with a pointer move to a marker point,
/// and the X server delivers the move after the events that came before it.
class InputPump : public QObject {
  Q_OBJECT

 public:
  explicit InputPump(QObject* parent = nullptr);
  ~InputPump() override;

  /// Called with how the program ended; not finished when it could not start or did not end
  /// in time.
  using Finished = std::function<void(const xsupport::ProgramResult&)>;
  /// Empty when all went well, otherwise what went wrong.
  using Handled = std::function<void(const QString& problem)>;

  /// Waits for `child` without blocking; `finished` is called once it ended or `timeoutMs`
  /// passed. A null `child` (it could not start) finishes at once.
  void await(std::unique_ptr<xsupport::ChildProcess> child, int timeoutMs, Finished finished);

  /// Runs xdotool with `commands` and a pointer move to a marker point behind them, and calls
  /// `handled` once the window has handled all of it.
  void send(const xsupport::XCommands& commands, Handled handled);

  /// Where the pointer rests after the last input.
  QPoint pointer() const { return pointer_; }

  /// Marker moves sent again because the first one was lost (see input_pump.cpp).
  int markerRetries() const { return markerRetries_; }

  /// Non-modifier key presses the application received since the last reset.
  int keyPresses() const { return keyPresses_; }
  void resetKeyPresses() { keyPresses_ = 0; }

  /// Two points of the window's background where the pointer rests between inputs.
  static constexpr QPoint kMarkers[2] = {QPoint(484, 476), QPoint(484, 474)};

 private:
  friend class MonkeyApplication;
  /// Sees an event as the application hands it out.
  void observe(const QObject* receiver, const QEvent* event);

  void pollChildren();
  void sendWithMarker(const xsupport::XCommands& commands);
  void completeWhenSeen();
  void complete(const QString& problem);

  struct Waiting {
    std::unique_ptr<xsupport::ChildProcess> child;
    QDeadlineTimer deadline;
    Finished finished;
  };
  std::vector<Waiting> waiting_;
  QTimer childTimer_;

  QPoint pointer_{-1, -1};
  QPoint marker_{-1, -1};
  bool markerSeen_ = false;
  int markerTries_ = 0;
  int markerRetries_ = 0;
  bool sent_ = false;
  Handled handled_;
  QTimer markerTimer_;
  int keyPresses_ = 0;
};

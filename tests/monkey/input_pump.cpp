#include "input_pump.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace {

constexpr int kXdotoolTimeoutMs = 10000;
constexpr int kMarkerTimeoutMs = 1000;
// A move can be lost without any fault of the window: when a click closes a menu, the moves
// right behind it still go to the menu, which is gone by the time they are read. The marker is
// then moved again, to the other point; this one comes after everything else as well.
constexpr int kMarkerTries = 4;
// Two points of the window's background where the pointer rests between inputs.
constexpr QPoint kMarkers[2] = {QPoint(484, 476), QPoint(484, 474)};

// Modifier and lock keys: xdotool presses them around other keys as the keymap needs (Num Lock
// for the keypad digits), so they are not counted.
bool isModifier(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_NumLock ||
         key == Qt::Key_CapsLock;
}

// The pump that sees the application's events; there is one at a time.
InputPump* observer = nullptr;

}  // namespace

bool MonkeyApplication::notify(QObject* receiver, QEvent* event) {
  if (observer != nullptr) {
    observer->observe(receiver, event);
  }
  return QApplication::notify(receiver, event);
}

InputPump::InputPump() {
  observer = this;
  // Programs under way are polled often: an xdotool run takes a few milliseconds.
  childTimer_.setInterval(1);
  connect(&childTimer_, &QTimer::timeout, this, &InputPump::pollChild);
  markerTimer_.setSingleShot(true);
  connect(&markerTimer_, &QTimer::timeout, this, [this] {
    if (markerTries_ < kMarkerTries) {
      ++markerRetries_;
      pointer_ = marker_;
      sendWithMarker({});
    } else {
      complete(QStringLiteral("%1 pointer moves to the marker points never reached the window")
                   .arg(markerTries_));
    }
  });
}

InputPump::~InputPump() {
  observer = nullptr;
}

void InputPump::await(std::unique_ptr<xsupport::ChildProcess> child, int timeoutMs,
                      Finished finished) {
  if (!child) {
    finished(xsupport::ProgramResult{});
    return;
  }
  child_ = std::move(child);
  deadline_ = QDeadlineTimer(timeoutMs);
  finished_ = std::move(finished);
  childTimer_.start();
}

void InputPump::pollChild() {
  const bool done = child_->poll();
  if (!done && !deadline_.hasExpired()) {
    return;
  }
  if (!done) {
    child_->stop(std::chrono::milliseconds(100));
  }
  childTimer_.stop();
  const xsupport::ProgramResult result = child_->result();
  child_.reset();
  // Taken out before it runs: it may start the next program.
  std::exchange(finished_, nullptr)(result);
}

void InputPump::send(MonkeyInput input, Handled handled) {
  input_ = std::move(input);
  handled_ = std::move(handled);
  stage_ = 0;
  menuOpen_ = false;
  keyPresses_ = 0;
  sendStage();
}

void InputPump::sendStage() {
  menuOpen_ = menuOpen_ || QApplication::activePopupWidget() != nullptr;
  markerTries_ = 0;
  sendWithMarker(input_.stages[stage_]);
}

void InputPump::sendWithMarker(const xsupport::XCommands& commands) {
  // The marker must differ from where the commands leave the pointer, or it would not move.
  QPoint pointer = pointer_;
  if (const auto move = commands.lastMove()) {
    pointer = QPoint(move->first, move->second);
  }
  ++markerTries_;
  marker_ = pointer == kMarkers[0] ? kMarkers[1] : kMarkers[0];
  markerSeen_ = false;
  sent_ = false;
  xsupport::XCommands marked = commands;
  marked.moveTo(marker_.x(), marker_.y());
  await(xsupport::startInput(marked), kXdotoolTimeoutMs,
        [this](const xsupport::ProgramResult& result) {
          if (!result.finished) {
            complete(QStringLiteral("xdotool did not finish within %1 ms").arg(kXdotoolTimeoutMs));
          } else if (result.exitCode != 0) {
            complete(QStringLiteral("xdotool failed with exit code %1").arg(result.exitCode));
          } else {
            sent_ = true;
            markerTimer_.start(kMarkerTimeoutMs);
            completeWhenSeen();
          }
        });
}

void InputPump::completeWhenSeen() {
  if (sent_ && markerSeen_ && handled_) {
    markerTimer_.stop();
    pointer_ = marker_;
    // Out of the event that brought the marker; what the earlier events posted (deferred
    // deletes, updates) runs first.
    QTimer::singleShot(0, this, [this] {
      QCoreApplication::sendPostedEvents();
      stageHandled();
    });
  }
}

void InputPump::stageHandled() {
  menuOpen_ = menuOpen_ || QApplication::activePopupWidget() != nullptr;
  if (++stage_ < input_.stages.size()) {
    QTimer::singleShot(0, this, &InputPump::sendStage);
    return;
  }
  menuInputs_ += menuOpen_ ? 1 : 0;
  // Keys that follow one that closes a menu, in the same stage, go to the menu that is gone by
  // the time they are read; without a menu every key must reach the window.
  const bool keysAmiss =
      menuOpen_ ? keyPresses_ > input_.keyPresses : keyPresses_ != input_.keyPresses;
  complete(keysAmiss ? QStringLiteral("%1 of %2 key presses reached the window")
                           .arg(keyPresses_)
                           .arg(input_.keyPresses)
                     : QString());
}

void InputPump::complete(const QString& problem) {
  markerTimer_.stop();
  if (handled_) {
    std::exchange(handled_, nullptr)(problem);
  }
}

void InputPump::observe(const QObject* receiver, const QEvent* event) {
  // Count and match events where the window system hands them over: at the top-level window,
  // before the widgets pass them on (and maybe to their parents).
  if (receiver->isWindowType() && event->spontaneous()) {
    if (event->type() == QEvent::MouseMove) {
      const auto* move = static_cast<const QMouseEvent*>(event);
      if (!markerSeen_ && move->globalPosition().toPoint() == marker_) {
        markerSeen_ = true;
        completeWhenSeen();
      }
    } else if (event->type() == QEvent::KeyPress) {
      if (!isModifier(static_cast<const QKeyEvent*>(event)->key())) {
        ++keyPresses_;
      }
    }
  }
}

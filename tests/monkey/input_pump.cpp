#include "input_pump.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int kXdotoolTimeoutMs = 10000;
constexpr int kMarkerTimeoutMs = 1000;
// A move can be lost without any fault of the window: when a click closes a menu, the moves
// right behind it still go to the menu, which is gone by the time they are read. The marker is
// then moved again, to the other point; this one comes after everything else as well.
constexpr int kMarkerTries = 4;

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

InputPump::InputPump(QObject* parent) : QObject(parent) {
  observer = this;
  // Programs under way are polled often: an xdotool run takes a few milliseconds.
  childTimer_.setInterval(1);
  connect(&childTimer_, &QTimer::timeout, this, &InputPump::pollChildren);
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
  waiting_.push_back({std::move(child), QDeadlineTimer(timeoutMs), std::move(finished)});
  if (!childTimer_.isActive()) {
    childTimer_.start();
  }
}

void InputPump::pollChildren() {
  // Taken out of the list before any callback runs: a callback may start the next program.
  std::vector<std::pair<xsupport::ProgramResult, Finished>> ended;
  for (auto it = waiting_.begin(); it != waiting_.end();) {
    const bool done = it->child->poll();
    if (!done && !it->deadline.hasExpired()) {
      ++it;
      continue;
    }
    if (!done) {
      it->child->stop(std::chrono::milliseconds(100));
    }
    ended.emplace_back(it->child->result(), std::move(it->finished));
    it = waiting_.erase(it);
  }
  if (waiting_.empty()) {
    childTimer_.stop();
  }
  for (const auto& [result, finished] : ended) {
    finished(result);
  }
}

void InputPump::send(const xsupport::XCommands& commands, Handled handled) {
  handled_ = std::move(handled);
  markerTries_ = 0;
  sendWithMarker(commands);
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
      complete({});
    });
  }
}

void InputPump::complete(const QString& problem) {
  markerTimer_.stop();
  if (handled_) {
    const Handled callback = std::move(handled_);
    handled_ = nullptr;
    callback(problem);
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

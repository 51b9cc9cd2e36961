#include "input_pump.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <memory>

#include "x_server.h"

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

InputPump::InputPump(QObject* parent) : QObject(parent), xdotool_(findProgram("xdotool")) {
  observer = this;
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

void InputPump::run(const QString& program, const QStringList& arguments, int timeoutMs,
                    Finished finished) {
  auto* process = new QProcess(this);
  auto* timer = new QTimer(process);
  // Whichever comes first, the end, a failed start or the time-out, reports; the rest is late.
  auto report = std::make_shared<Finished>(std::move(finished));
  const auto once = [process, timer, report](const std::optional<Output>& output) {
    if (!*report) {
      return;
    }
    const Finished callback = std::move(*report);
    *report = nullptr;
    timer->stop();
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
      process->kill();
      process->waitForFinished(1000);
    }
    process->deleteLater();
    callback(output);
  };
  connect(process, &QProcess::finished, this, [process, once] {
    Output output;
    output.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    output.text = process->readAllStandardOutput();
    once(output);
  });
  connect(process, &QProcess::errorOccurred, this, [once](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) {
      once(std::nullopt);
    }
  });
  timer->setSingleShot(true);
  connect(timer, &QTimer::timeout, this, [once] { once(std::nullopt); });
  timer->start(timeoutMs);
  process->start(program, arguments);
}

void InputPump::send(const QStringList& commands, Handled handled) {
  handled_ = std::move(handled);
  markerTries_ = 0;
  sendWithMarker(commands);
}

void InputPump::sendWithMarker(const QStringList& commands) {
  // The marker must differ from where the commands leave the pointer, or it would not move.
  QPoint pointer = pointer_;
  const qsizetype move = commands.lastIndexOf(QStringLiteral("mousemove"));
  if (move >= 0 && move + 2 < commands.size()) {
    pointer = QPoint(commands[move + 1].toInt(), commands[move + 2].toInt());
  }
  ++markerTries_;
  marker_ = pointer == kMarkers[0] ? kMarkers[1] : kMarkers[0];
  markerSeen_ = false;
  sent_ = false;
  QStringList arguments = commands;
  arguments << QStringLiteral("mousemove") << QString::number(marker_.x())
            << QString::number(marker_.y());
  run(xdotool_, arguments, kXdotoolTimeoutMs, [this](const std::optional<Output>& output) {
    if (!output) {
      complete(QStringLiteral("xdotool did not finish within %1 ms").arg(kXdotoolTimeoutMs));
    } else if (output->exitCode != 0) {
      complete(QStringLiteral("xdotool failed with exit code %1").arg(output->exitCode));
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

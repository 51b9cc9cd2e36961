#include "monkey_run.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QPlainTextEdit>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "desktop/main_window.h"
#include "window_reader.h"

namespace {

constexpr std::size_t kRecentInputs = 12;  // listed when a check fails
constexpr int kClipboardTimeoutMs = 3000;
constexpr int kClipboardAttempts = 30;

}  // namespace

MonkeyRun::MonkeyRun(Settings settings) : settings_(settings), random_(settings.seed) {}

MonkeyRun::~MonkeyRun() {
  closeWindow();
}

WindowWatch::Tally MonkeyRun::tally() const {
  WindowWatch::Tally sum = closedTally_;
  if (watch_) {
    const WindowWatch::Tally& open = watch_->tally();
    sum.valueChanges += open.valueChanges;
    sum.countChanges += open.countChanges;
    sum.formChanges += open.formChanges;
    sum.clears += open.clears;
    sum.largestCount = std::max(sum.largestCount, open.largestCount);
  }
  return sum;
}

void MonkeyRun::start() {
  clock_.start();
  baseLoopLevel_ = QThread::currentThread()->loopLevel();
  // Something to paste from the start; the copies below replace it now and then.
  QGuiApplication::clipboard()->setText(QStringLiteral("1\n0 1 1\n(A ^ B ^ C)"));
  QTimer::singleShot(0, this, &MonkeyRun::nextInput);
}

void MonkeyRun::stop(const QString& why) {
  if (!over_) {
    fail(why);
  }
}

QString MonkeyRun::openWindow() {
  closeWindow();
  window_ = std::make_unique<nf::MainWindow>();
  window_->show();
  if (!QTest::qWaitForWindowExposed(window_.get())) {
    return QStringLiteral("the window was never shown");
  }
  window_->activateWindow();
  if (!QTest::qWaitForWindowActive(window_.get())) {
    return QStringLiteral("the window never became active");
  }
  // No window manager: the window sits at the screen's origin, where the inputs aim.
  if (window_->mapToGlobal(QPoint(0, 0)) != QPoint(0, 0)) {
    return QStringLiteral("the window opened away from the screen's origin");
  }
  ++windows_;
  watch_ = std::make_unique<WindowWatch>(*window_);
  generator_ = std::make_unique<InputGenerator>(random_, *window_);
  const QString opened = watch_->checkOpened();
  return opened.isEmpty() ? QString() : QStringLiteral("as the window opened: ") + opened;
}

void MonkeyRun::closeWindow() {
  if (watch_) {
    closedTally_ = tally();
  }
  generator_.reset();
  watch_.reset();
  window_.reset();
}

void MonkeyRun::nextInput() {
  if (over_) {
    return;
  }
  if (done_ == settings_.inputs || clock_.elapsed() > settings_.budgetMs) {
    finish({});
    return;
  }
  if (!window_ || done_ % settings_.inputsPerWindow == 0) {
    // The old window goes only once no menu or drag of it runs a loop of its own any more.
    while (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    }
    QDrag::cancel();
    if (QThread::currentThread()->loopLevel() > baseLoopLevel_) {
      QTimer::singleShot(10, this, &MonkeyRun::nextInput);
      return;
    }
    const QString problem = openWindow();
    if (!problem.isEmpty()) {
      fail(problem);
      return;
    }
  }
  const int number = done_ + 1;
  copying_ = number % settings_.copyEvery == 0 || number == settings_.inputs;
  current_ = copying_ ? generator_->copyResultBox() : generator_->next();
  recent_.push_back(current_.description);
  if (recent_.size() > kRecentInputs) {
    recent_.pop_front();
  }
  if (copying_) {
    // A copy of an empty box copies nothing: the clipboard then keeps this text.
    untouched_ = QStringLiteral("clipboard before copy %1").arg(number);
    QGuiApplication::clipboard()->setText(untouched_);
  }
  watch_->beforeInput();
  pump_.resetKeyPresses();
  stage_ = 0;
  menuOpen_ = false;
  sendStage();
}

void MonkeyRun::sendStage() {
  menuOpen_ = menuOpen_ || QApplication::activePopupWidget() != nullptr;
  pump_.send(current_.stages[stage_], [this](const QString& problem) { stageHandled(problem); });
}

void MonkeyRun::stageHandled(const QString& problem) {
  if (over_) {
    return;
  }
  if (!problem.isEmpty()) {
    ++done_;
    fail(problem);
    return;
  }
  menuOpen_ = menuOpen_ || QApplication::activePopupWidget() != nullptr;
  if (++stage_ < current_.stages.size()) {
    QTimer::singleShot(0, this, &MonkeyRun::sendStage);
  } else {
    handled();
  }
}

void MonkeyRun::handled() {
  ++done_;
  menuInputs_ += menuOpen_ ? 1 : 0;
  // Keys that follow one that closes a menu, in the same stage, go to the menu that is gone by
  // the time they are read; without a menu every key must reach the window.
  const bool keysAmiss = menuOpen_ ? pump_.keyPresses() > current_.keyPresses
                                   : pump_.keyPresses() != current_.keyPresses;
  if (keysAmiss) {
    fail(QStringLiteral("%1 of %2 key presses reached the window")
             .arg(pump_.keyPresses())
             .arg(current_.keyPresses));
    return;
  }
  const QString wrong = watch_->checkAfterInput();
  if (!wrong.isEmpty()) {
    fail(wrong);
    return;
  }
  if (copying_) {
    if (QApplication::focusWidget() !=
        findControl<QPlainTextEdit>(*window_, {nf::layout::group::Text1, 0})) {
      fail(QStringLiteral("the click into the result box did not give it the focus"));
      return;
    }
    const QString expected = watch_->expectedBox();
    expectedCopy_ = expected.isEmpty() ? untouched_ : expected;
    checkClipboard(1);
    return;
  }
  QTimer::singleShot(0, this, &MonkeyRun::nextInput);
}

// Reads the clipboard the way another program does; the window answers the request from its
// event loop, so a read may come too early and is then tried again.
void MonkeyRun::checkClipboard(int attempt) {
  pump_.await(xsupport::startClipboardRead(), kClipboardTimeoutMs,
              [this, attempt](const xsupport::ProgramResult& read) {
                if (over_) {
                  return;
                }
                const QString copied = read.ok() ? QString::fromStdString(read.output)
                                                 : QStringLiteral("<xclip read nothing>");
                if (copied == expectedCopy_) {
                  ++copies_;
                  QTimer::singleShot(0, this, &MonkeyRun::nextInput);
                } else if (attempt < kClipboardAttempts) {
                  QTimer::singleShot(100, this, [this, attempt] { checkClipboard(attempt + 1); });
                } else {
                  fail(QStringLiteral("the result box copied through the clipboard reads\n%1\n"
                                      "expected\n%2")
                           .arg(copied, expectedCopy_));
                }
              });
}

void MonkeyRun::fail(const QString& problem) {
  QString text = QStringLiteral("seed %1, input %2 (window %3): %4\nlast inputs, oldest first:\n")
                     .arg(settings_.seed)
                     .arg(done_)
                     .arg(windows_)
                     .arg(problem);
  int number = done_ - static_cast<int>(recent_.size()) + 1;
  for (const QString& input : recent_) {
    text += QStringLiteral("  %1. %2\n").arg(number++).arg(input);
  }
  text += QStringLiteral("repeat with NF_MONKEY_SEED=%1").arg(settings_.seed);
  finish(text);
}

void MonkeyRun::finish(const QString& failure) {
  over_ = true;
  // A menu or a drag the inputs left open runs an event loop of its own; ending it lets the
  // caller's loop end.
  while (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
  }
  QDrag::cancel();
  emit finished(failure);
}

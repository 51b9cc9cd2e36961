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
#include "xsupport/clipboard.h"

namespace {

constexpr int kCopyEvery = 50;             // inputs between two reads through the clipboard
constexpr int kInputsPerWindow = 400;      // then a fresh window, from the state it opens in
constexpr int kBudgetMs = 240000;          // the run stops by itself after this time
constexpr int kGraceMs = 20000;            // for the input under way when the budget runs out
constexpr std::size_t kRecentInputs = 12;  // listed when a check fails
constexpr int kClipboardTimeoutMs = 3000;
constexpr int kClipboardAttempts = 30;

}  // namespace

MonkeyRun::MonkeyRun(quint64 seed, int inputs) : seed_(seed), inputs_(inputs), random_(seed) {}

// The members go in the order closeWindow() takes: the generator, the watch, the window.
MonkeyRun::~MonkeyRun() = default;

QString MonkeyRun::exec() {
  qInfo("monkey seed %llu, %d inputs (NF_MONKEY_SEED and NF_MONKEY_INPUTS change them)", seed_,
        inputs_);
  clock_.start();
  baseLoopLevel_ = QThread::currentThread()->loopLevel() + 1;
  // Something to paste from the start; the copies below replace it now and then.
  QGuiApplication::clipboard()->setText(QStringLiteral("1\n0 1 1\n(A ^ B ^ C)"));
  // Started from the loop, so that a failure at the very start still ends the loop; the safety
  // time-out ends it should the run itself get stuck.
  QTimer::singleShot(0, this, &MonkeyRun::nextInput);
  QTimer::singleShot(kBudgetMs + kGraceMs, this, [this] {
    if (!over_) {
      fail(QStringLiteral("the run neither ended nor failed in time"));
    }
  });
  loop_.exec();
  return failure_;
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
  watch_ = std::make_unique<WindowWatch>(*window_, tally_);
  generator_ = std::make_unique<InputGenerator>(random_, *window_);
  const QString opened = watch_->check();
  return opened.isEmpty() ? QString() : QStringLiteral("as the window opened: ") + opened;
}

void MonkeyRun::closeWindow() {
  generator_.reset();
  watch_.reset();
  window_.reset();
}

void MonkeyRun::endNestedLoops() {
  while (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
  }
  QDrag::cancel();
}

void MonkeyRun::nextInput() {
  if (over_) {
    return;
  }
  if (done_ == inputs_ || clock_.elapsed() > kBudgetMs) {
    finish({});
    return;
  }
  if (!window_ || done_ % kInputsPerWindow == 0) {
    // The old window goes only once no menu or drag of it runs a loop of its own any more.
    endNestedLoops();
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
  copying_ = number % kCopyEvery == 0 || number == inputs_;
  MonkeyInput input = copying_ ? generator_->copyResultBox() : generator_->next();
  recent_.push_back(input.description);
  if (recent_.size() > kRecentInputs) {
    recent_.pop_front();
  }
  if (copying_) {
    // A copy of an empty box copies nothing: the clipboard then keeps this text.
    untouched_ = QStringLiteral("clipboard before copy %1").arg(number);
    QGuiApplication::clipboard()->setText(untouched_);
  }
  watch_->beforeInput();
  pump_.send(std::move(input), [this](const QString& problem) { handled(problem); });
}

void MonkeyRun::handled(const QString& problem) {
  if (over_) {
    return;
  }
  ++done_;
  if (!problem.isEmpty()) {
    fail(problem);
    return;
  }
  const QString wrong = watch_->check();
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
                     .arg(seed_)
                     .arg(done_)
                     .arg(windows_)
                     .arg(problem);
  int number = done_ - static_cast<int>(recent_.size()) + 1;
  for (const QString& input : recent_) {
    text += QStringLiteral("  %1. %2\n").arg(number++).arg(input);
  }
  text += QStringLiteral("repeat with NF_MONKEY_SEED=%1").arg(seed_);
  finish(text);
}

// The summary of a run that passed every check after each input, and what the whole run must
// have done.
void MonkeyRun::finish(const QString& failure) {
  over_ = true;
  // A menu or a drag the inputs left open runs an event loop of its own; ending it lets loop_
  // end.
  endNestedLoops();
  loop_.quit();
  failure_ = failure;
  if (!failure_.isEmpty()) {
    return;
  }
  qInfo(
      "%d inputs in %.1f s: %d value changes, %d count changes (largest count index %d), "
      "%d form changes, %d clears, %d reads through the clipboard, %d windows, "
      "%d inputs with a menu open, %d marker moves repeated",
      done_, static_cast<double>(clock_.elapsed()) / 1000.0, tally_.valueChanges,
      tally_.countChanges, tally_.largestCount, tally_.formChanges, tally_.clears, copies_,
      windows_, pump_.menuInputs(), pump_.markerRetries());
  if (done_ != inputs_) {
    failure_ = QStringLiteral("the time ran out after %1 of %2 inputs").arg(done_).arg(inputs_);
  } else if (inputs_ >= kFullRun) {
    // Inputs that never reached the window would pass every check: a full run must have made
    // every kind of change (the figures are a fraction of what a run typically makes).
    if (tally_.valueChanges < 20 || tally_.countChanges < 10 || tally_.formChanges < 5 ||
        tally_.clears < 1 || tally_.largestCount != 2) {
      failure_ = QStringLiteral("the inputs changed too little: see the figures above");
    } else if (const int copies = (inputs_ + kCopyEvery - 1) / kCopyEvery; copies_ != copies) {
      // Every 50th input and the last one.
      failure_ =
          QStringLiteral("%1 reads through the clipboard, expected %2").arg(copies_).arg(copies);
    }
  }
}

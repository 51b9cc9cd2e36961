#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QString>
#include <deque>
#include <memory>
#include <random>

#include "input_pump.h"
#include "monkey_input.h"
#include "window_watch.h"

namespace nf {
class MainWindow;
}

/// One run of the monkey: random inputs, each checked once the window has handled it, every
/// 50th a copy of the result box read back through the clipboard, and a freshly opened window
/// every 400 (the state before the first choice is met only once per window). Driven by the
/// event loop, so that it goes on inside any loop the window runs: a context menu or a drag runs
/// its own until an input ends it.
class MonkeyRun : public QObject {
 public:
  /// A run of this many inputs must have made every kind of change.
  static constexpr int kFullRun = 2000;

  MonkeyRun(quint64 seed, int inputs);
  ~MonkeyRun() override;

  /// Makes every input, or as many as the time allows, and prints what they did. Returns an
  /// empty text when every check passed, otherwise what failed.
  QString exec();

 private:
  QString openWindow();
  void closeWindow();
  /// Closes any menu or drag that runs an event loop of its own.
  static void endNestedLoops();
  void nextInput();
  void handled(const QString& problem);
  void checkClipboard(int attempt);
  void fail(const QString& problem);
  void finish(const QString& failure);

  const quint64 seed_;
  const int inputs_;
  std::mt19937_64 random_;
  InputPump pump_;
  QEventLoop loop_;
  QElapsedTimer clock_;
  int baseLoopLevel_ = 0;  // of loop_

  std::unique_ptr<nf::MainWindow> window_;
  std::unique_ptr<WindowWatch> watch_;
  std::unique_ptr<InputGenerator> generator_;
  WindowWatch::Tally tally_;  // over all windows

  int done_ = 0;
  int copies_ = 0;
  int windows_ = 0;
  bool copying_ = false;
  QString untouched_;  // what the clipboard holds before a copy
  QString expectedCopy_;
  std::deque<QString> recent_;
  bool over_ = false;
  QString failure_;
};

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>
#include <memory>
#include <random>

#include "input_pump.h"
#include "monkey_input.h"
#include "window_watch.h"
#include "xsupport/clipboard.h"

class QPlainTextEdit;
namespace nf {
class MainWindow;
}

/// One run of the monkey: `inputs` random inputs, each checked once the window has handled
/// it, every `copyEvery`-th one a copy of the result box read back through the clipboard, and
/// a freshly opened window every `inputsPerWindow` inputs (the state before the first choice
/// is met only once per window). Driven by the event loop, so that it goes on inside any loop
/// the window runs: a context menu or a drag runs its own until an input ends it.
class MonkeyRun : public QObject {
  Q_OBJECT

 public:
  struct Settings {
    quint64 seed = 0;
    int inputs = 0;
    int copyEvery = 50;
    int inputsPerWindow = 400;
    qint64 budgetMs = 0;  // the run stops after this time even if inputs are left
  };

  explicit MonkeyRun(Settings settings);
  ~MonkeyRun() override;

  /// Opens the first window and starts the inputs; to be called from the event loop that runs
  /// the monkey.
  void start();
  /// Ends the run at once as failed, with `why`.
  void stop(const QString& why);

  int done() const { return done_; }
  int copies() const { return copies_; }
  int windows() const { return windows_; }
  int menuInputs() const { return menuInputs_; }
  /// Marker moves sent again because the first one was lost (see input_pump.cpp).
  int markerRetries() const { return pump_.markerRetries(); }
  qint64 elapsedMs() const { return clock_.elapsed(); }
  /// What the inputs did, over all windows.
  WindowWatch::Tally tally() const;

 signals:
  /// The run is over: `failure` is empty when every check passed.
  void finished(const QString& failure);

 private:
  QString openWindow();
  void closeWindow();
  void nextInput();
  void sendStage();
  void stageHandled(const QString& problem);
  void handled();
  void checkClipboard(int attempt);
  void fail(const QString& problem);
  void finish(const QString& failure);

  Settings settings_;
  std::mt19937_64 random_;
  InputPump pump_;
  QElapsedTimer clock_;

  std::unique_ptr<nf::MainWindow> window_;
  std::unique_ptr<WindowWatch> watch_;
  std::unique_ptr<InputGenerator> generator_;
  WindowWatch::Tally closedTally_;  // of the windows already closed

  int done_ = 0;
  int copies_ = 0;
  int windows_ = 0;
  int menuInputs_ = 0;
  MonkeyInput current_;
  qsizetype stage_ = 0;
  bool menuOpen_ = false;  // a menu was open during the current input
  bool copying_ = false;
  QString untouched_;  // what the clipboard holds before a copy
  QString expectedCopy_;
  std::deque<QString> recent_;
  bool over_ = false;
  int baseLoopLevel_ = 0;  // of the loop the run started in
};

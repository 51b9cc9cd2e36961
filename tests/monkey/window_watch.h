#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include "seen_window.h"
#include "user_model.h"

class QListWidget;
class QPlainTextEdit;

namespace nf {
class MainWindow;
struct Input;
}  // namespace nf

/// Watches the window between random inputs and says what, if anything, is wrong with what the
/// user sees. What the window should show comes from the user model: every choice the user
/// makes (a count, a form, a value, Clear), as the window reports taking it, is told to the
/// model, and after each input what the window shows is compared with the model. Besides, the
/// window must still be there and in place, its boxes read-only, every list with one item selected
/// and none losing it even for a moment, and one input may change at most one value, of a row the
/// user could see.
class WindowWatch : public QObject {
 public:
  /// What the inputs did, for the closing summary and the coverage checks.
  struct Tally {
    int valueChanges = 0;
    int countChanges = 0;
    int formChanges = 0;
    int clears = 0;
    int largestCount = -1;
  };

  /// Watches `window` as it is now; counts what the inputs do in `tally`.
  WindowWatch(nf::MainWindow& window, Tally& tally);

  /// Remembers the state before an input.
  void beforeInput();
  /// Checks the state after the last input, or as the window opened. Empty when all is well,
  /// otherwise every problem found.
  QString check();

  /// What the result box must hold now, one "\n" after every line, the last one included.
  QString expectedBox() const;

 private:
  /// Watches the value selectors made since the last call.
  void watchNewSelectors();
  /// Tells the model of an input the window took.
  void taken(const nf::Input& input);
  /// Called as `list` reports a change of its selection, once the window has handled it.
  void noteSelectionChange(const QListWidget& list);
  void checkControls(QStringList& problems) const;
  void checkChange(const SeenWindow& now, QStringList& problems);

  QWidget& window_;
  QRect placed_;
  QListWidget* countList_;
  QPlainTextEdit* box_;
  int watchedRows_ = 0;  // the window makes the rows in order and keeps them

  UserModel model_;
  SeenWindow before_;
  bool clearClicked_ = false;   // during the current input
  QString lastTaken_;           // the control of the input the window took last
  QStringList lostSelections_;  // during the current input
  Tally& tally_;
};

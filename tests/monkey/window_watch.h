#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

#include "user_model.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

/// Watches the window between random inputs and says what, if anything, is wrong with what the
/// user sees. What the window should show comes from the user model: every choice the user
/// makes (a count, a form, a value, Clear) is read off its control and told to the model, and
/// after each input everything the window shows is compared with the model: count, form, the
/// rows shown, the labels of all 32 rows, the values and the result box. Besides, the window
/// must still be there and in place, its boxes read-only, every list with one item selected,
/// and one input may change at most one value, of a row the user could see. The window may make
/// the controls of a row only when a count first shows it: a row without controls counts as
/// hidden and holding "0".
class WindowWatch : public QObject {
  Q_OBJECT

 public:
  explicit WindowWatch(QWidget& window);

  /// Checks the state the window opens in. Empty when all is well.
  QString checkOpened();
  /// Remembers the state before an input.
  void beforeInput();
  /// Checks the state after an input. Empty when all is well, otherwise every problem found.
  QString checkAfterInput();

  /// What the result box must hold now, one "\n" after every line, the last one included.
  QString expectedBox() const;

  /// What the inputs did so far, for the closing summary and the coverage checks.
  struct Tally {
    int valueChanges = 0;
    int countChanges = 0;
    int formChanges = 0;
    int clears = 0;
    int largestCount = -1;
  };
  const Tally& tally() const { return tally_; }

 private:
  // What the controls show.
  struct Shown {
    int count = -1;
    bool dnf = false;
    bool knf = false;
    std::array<int, 32> values{};
    std::array<bool, 32> rows{};
  };
  Shown read() const;
  QLineEdit* labelBox(int row) const;
  QLabel* sign(int row) const;
  QListWidget* selector(int row) const;
  /// Watches the value selectors made since the last call.
  void watchNewSelectors();
  void checkControls(QStringList& problems) const;
  void checkChange(const Shown& now, QStringList& problems);
  void checkModel(const Shown& now, QStringList& problems) const;

  QWidget& window_;
  QRect placed_;
  QListWidget* countList_;
  std::array<QRadioButton*, 2> options_;
  QPushButton* clear_;
  QPlainTextEdit* box_;
  std::array<QPointer<QListWidget>, 32> watched_{};

  UserModel model_;
  Shown before_;
  bool clearClicked_ = false;  // during the current input
  Tally tally_;
};

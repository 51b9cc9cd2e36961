#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

/// Watches the window between random inputs and says what, if anything, is wrong with what the
/// user sees. Its expectations come from the rules of the tool, not from the window's code:
/// the result box holds the assignment until a count or a form is first chosen, is empty from
/// Clear until the next change of a value, the count or the form, and otherwise holds the
/// report that the core builds from the count, form and values the controls show. The window
/// may make the controls of a row only when a count first shows it: a row without controls
/// counts as hidden and holding "0", the value every row has until the user changes it.
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
  enum class Phase { Opened, Reporting, Cleared };

  // What the controls show.
  struct Shown {
    int count = -1;
    bool dnf = false;
    bool knf = false;
    std::array<int, 32> values{};
    std::array<bool, 32> rows{};
    bool operator==(const Shown&) const = default;
  };
  Shown read() const;
  QLineEdit* labelBox(int row) const;
  QLabel* sign(int row) const;
  QListWidget* selector(int row) const;
  /// Watches the value selectors made since the last call.
  void watchNewSelectors();
  QString reportFor(const Shown& shown) const;
  void checkControls(const Shown& now, QStringList& problems) const;
  void checkChange(const Shown& now, QStringList& problems);
  void checkRows(const Shown& now, QStringList& problems) const;
  void checkBox(QStringList& problems) const;

  QWidget& window_;
  QRect placed_;
  QListWidget* countList_;
  std::array<QRadioButton*, 2> options_;
  QPushButton* clear_;
  QPlainTextEdit* box_;
  std::array<QPointer<QListWidget>, 32> watched_{};

  QString assignment_;
  Phase phase_ = Phase::Opened;
  Shown before_;
  Shown afterClear_;
  std::array<QString, 32> labels_;  // what each label box must read, shown or not
  bool clearClicked_ = false;       // during the current input
  bool changedSinceClear_ = false;  // a value, the count or the form
  Tally tally_;
};

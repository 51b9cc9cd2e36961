#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "window/function_code.h"
#include "window_reader.h"

class UserModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace nf {
class MainWindow;
}

/// Opens the window and works it the way a user does: mouse clicks and key presses on the
/// controls, found by their object names. Also reads back what the user sees.
class WindowDriver {
 public:
  /// Opens the window, showing `function` from the start when one is given.
  explicit WindowDriver(const std::optional<nf::Function>& function = std::nullopt);
  ~WindowDriver();

  nf::MainWindow& window() { return *window_; }

  QListWidget* countList() const;
  QRadioButton* option(int index) const;
  QPushButton* clearButton() const;
  QLineEdit* labelBox(int row) const;
  QLabel* sign(int index) const;
  QListWidget* selector(int row) const;
  QPlainTextEdit* resultBox() const;
  QWidget* control(const QString& name) const;
  /// Whether row `row` has its controls: the window makes rows 8 to 31 when a count first
  /// shows them, and a row that never showed is none of the user's business.
  bool hasRow(int row) const;

  /// Picks the count item `index` ("3", "4", "5") by scrolling the list with its scroll bar
  /// until the item shows, then clicking it.
  void chooseCountByClick(int index);
  /// Picks the count item `index` with the arrow keys after clicking the item shown.
  void chooseCountByKeys(int index);
  /// Clicks an option.
  void chooseForm(int index);
  /// Sets row `row` to `value` (0 or 1) by scrolling its selector and clicking the item.
  void setValueByClick(int row, int value);
  /// Sets row `row` to `value` by clicking into its selector and pressing an arrow key.
  void setValueByKeys(int row, int value);
  void clickClear();
  void clickSign(int index);

  /// Rows whose three controls are visible, in ascending order.
  QList<int> shownRows() const;
  /// Text of the result box, one entry per line.
  QStringList resultLines() const;
  /// The first difference between what the window shows and what `expected` says the user
  /// should see, or an empty text.
  QString difference(const UserModel& expected) const;

 private:
  void scrollUntilShown(QListWidget* list, int row);

  std::unique_ptr<nf::MainWindow> window_;
};

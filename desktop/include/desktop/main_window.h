#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "window/function_code.h"
#include "window/window_model.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace nf {

class ClickLabel;
class SelectorList;

/// The program's one window on the desktop: Qt widgets that show the window model's state.
/// Each input of the user becomes one input of the model; the widgets the input changed are
/// then written from the model's state with their signals blocked, so showing the state never
/// counts as input. Every control is found by its object name, "List1_7" for `List1(7)`.
/// The controls of rows 8 to 31 are made the first time the model shows them.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  /// The window as it opens, or showing `function` from its first frame on.
  explicit MainWindow(const std::optional<Function>& function = std::nullopt,
                      QWidget* parent = nullptr);

  /// Font of the window and of every control without one of its own. Made the application's
  /// font before the window is built, so that no control loads the platform's default first.
  static QFont programFont();

  /// The state the window shows.
  const WindowState& state() const { return model_.state(); }

 protected:
  /// The keys the options and Clear answer beyond Qt's own: see the definition.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void placeControls();
  /// Makes the controls of every row up to `lastRow` that does not have them yet.
  void createRows(int lastRow);
  void createRow(int row, const QFont& valueFont);
  void setTabOrder();
  void connectInputs();

  /// Writes the controls in `changes` from the model's state.
  void showChanges(const WindowChanges& changes);
  void showCount();
  void showOption();
  void showValue(int row);
  void showLabel(int row);
  void showRow(int row);
  void showResult();

  WindowModel model_;

  std::array<QLabel*, 2> Label2{};
  SelectorList* List2 = nullptr;
  QFrame* Frame1 = nullptr;
  std::array<QRadioButton*, 2> Option1{};
  QButtonGroup* option1Group = nullptr;
  std::array<QPushButton*, 1> Command1{};
  std::array<QLineEdit*, kRowSlots> Text2{};
  std::array<ClickLabel*, kRowSlots + 1> Label1{};  // the signs, then the square
  std::array<SelectorList*, kRowSlots> List1{};
  int createdRows = 0;  // rows 0 .. createdRows - 1 have their controls
  std::array<QPlainTextEdit*, 1> Text1{};
};

}  // namespace nf

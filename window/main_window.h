#pragma once

#include <QWidget>
#include <array>

#include "core/truth_table.h"

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

/// The program's one window. Its controls hold the whole state: the count in `List2`, the
/// form in `Option1`, the row values in `List1`, the row labels in `Text2` and the report in
/// `Text1`. Every control is also found by its object name, "List1_7" for `List1(7)`.
/// The controls of rows 8 to 31 are made the first time a count shows them; until then their
/// rows hold "0", as the load leaves every row, which is all the report needs of them.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  /// Font of the window and of every control without one of its own. Made the application's
  /// font before the window is built, so that no control loads the platform's default first.
  static QFont programFont();

 private:
  /// How a row's value selector starts: before the load nothing is selected; a row made later
  /// starts at "0", as the load and every reset leave it.
  enum class RowStart { Unselected, Reset };

  void createControls();
  void placeControls();
  /// Makes the controls of every row up to `lastRow` that does not have them yet.
  void createRows(int lastRow, RowStart start);
  void createRow(int row, const QFont& valueFont, RowStart start);
  void setTabOrder();
  void connectHandlers();

  // Handlers, one per notification; an index argument is the element's index in its group.
  void Form_Load();
  void List1_Click(int Index);
  void Option1_Click(int Index);
  void List2_Click();
  void Command1_Click(int Index);
  void Label1_Click(int Index);

  void ResetInputs();
  void UpdateResult();

  /// The truth table as the controls hold it now.
  TruthTable tableFromControls() const;
  /// Writes `label` into row `row`'s label box and names the row's controls after it.
  void setRowLabel(int row, std::string_view label);
  void setRowShown(int row, bool shown);
  void selectOption(int index);
  void deselectOptions();

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

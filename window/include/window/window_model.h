#pragma once

#include "window/window_state.h"

namespace nf {

/// The window's behaviour without any toolkit: the state of every control and the handlers
/// that keep the count, the form, the shown rows and the result box consistent. A face draws
/// the state, turns the user's input into one of the inputs below and then draws what changed.
///
/// The handlers carry the names of the controls and notifications they answer (`List2_Click`
/// for a change of the count list's selection); a handler that selects something notifies that
/// selection's handler at once, nested inside itself, exactly as a user's selection would.
/// Selecting what is already selected notifies nothing; deselecting notifies nothing.
class WindowModel {
 public:
  /// The window as it opens, with its load handler run.
  WindowModel();

  /// What the controls show now.
  const WindowState& state() const { return state_; }

  /// The user chooses item `index` of the count list ("3", "4", "5").
  WindowChanges chooseCount(int index);
  /// The user chooses option `index`: 0 for ДНФ, 1 for КНФ.
  WindowChanges chooseForm(int index);
  /// The user chooses item `item` ("0" or "1") of row `row`'s value selector. A row that is
  /// not shown takes no input.
  WindowChanges chooseValue(int row, int item);
  /// The user presses the button `Command1(index)`; Clear is the only one, index 0.
  WindowChanges pressClear(int index = 0);
  /// The user clicks `Label1(index)`: a " = " sign, or the small square (index 32).
  WindowChanges clickLabel(int index);

 private:
  // Handlers, one per notification; an index argument is the element's index in its group.
  void Form_Load();
  void List1_Click(int Index);
  void Option1_Click(int Index);
  void List2_Click();
  void Command1_Click(int Index);
  void Label1_Click(int Index);

  void ResetInputs();
  void UpdateResult();

  // Program-set selections; each notifies its handler when it changes the selection.
  void selectCount(int index);
  void selectOption(int index);
  void selectValue(int row, int item);
  void deselectOptions();

  /// Runs one input to the end and reports what it changed.
  template <typename Input>
  WindowChanges handle(Input input);

  WindowState state_;
};

}  // namespace nf

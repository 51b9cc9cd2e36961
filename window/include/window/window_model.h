#pragma once

#include <optional>
#include <vector>

#include "window/controls.h"
#include "window/key_press.h"
#include "window/window_state.h"

namespace nf {

/// The user's input on a control: item `item` chosen in a list, or a click or press on any
/// other control.
struct Input {
  layout::Control control;
  int item = 0;

  bool operator==(const Input&) const = default;
};

/// What a face does once the window has had an input: draw the named controls again from the
/// state, and move the keyboard focus where it says.
struct Answer {
  /// The controls to draw again, in stacking order: every one that shows something else now,
  /// and the one the input came on, which its toolkit may show chosen where the window refused
  /// the choice.
  std::vector<layout::Control> redraw;
  /// The control the focus moves to, if it moves.
  std::optional<layout::Control> focus;
  /// The input the window took, for a key the one the key stands for; none when it took
  /// nothing. A key the window does not take is left to the toolkit or the browser (Tab,
  /// shortcuts, a text box's own keys).
  std::optional<Input> taken;
};

/// The window's behaviour without any toolkit: the state of every control and the handlers
/// that keep the count, the form, the shown rows and the result box consistent. A face draws
/// the state, hands every input on a control to input() or key() and draws what the answer
/// names.
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

  /// The user's input on `control`: item `item` chosen in a list, or a click or press on any
  /// other control. A control that takes no input, a hidden row's, or an item the list does
  /// not have changes nothing and is not taken; the control is drawn again all the same.
  Answer input(const layout::Control& control, int item = 0);

  /// A key pressed while `control` has the focus. The window takes the arrows, Home, End,
  /// Page Up, Page Down, Space and an item's text on a list, the arrows and Space on an option,
  /// and Enter and Space on a button; any other key, and any key held with a shortcut's
  /// modifier, is not taken.
  Answer key(const layout::Control& control, const KeyPress& key);

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

  /// Runs the notification `control` sends for the user's choice of `item`; false for an input
  /// the window does not take.
  bool notify(const layout::Control& control, int item);

  WindowState state_;
};

}  // namespace nf

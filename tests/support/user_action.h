#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

class UserModel;

/// One thing a user does in the window, as the model tests, the desktop tests and the browser
/// tests replay it. `way` says how a face performs it: a click, the keyboard's arrows, or
/// typing the item's text; a model without a face ignores it. A form by arrows is an arrow key
/// on the other option, focused without selecting it (`value` picks the arrow: Left, Right,
/// Up, Down); Clear typed is Enter (`value` 0) or Space (1) on the focused button.
struct UserAction {
  enum class Kind { Count, Form, Value, Clear, Label };
  enum class Way { Click, Arrows, Typed };

  Kind kind = Kind::Clear;
  int target = 0;  // count index, form, row, or Label1 index
  int value = 0;   // the row's new value, for Kind::Value; the key, for keyboard ways
  Way way = Way::Click;

  /// "row 5 := 1 by arrows", for failure messages.
  std::string describe() const;
};

/// A random action a user could take in the window `model` describes: values and signs only in
/// shown rows.
UserAction randomAction(std::mt19937& random, const UserModel& model);

/// Whether a user can take `action` in the window `model` describes: a row's controls only while
/// the row is shown. A shortened list of actions may hold ones that are no longer possible;
/// replays pass over them.
bool possible(const UserAction& action, const UserModel& model);

/// The name of the arrow key a form by arrows presses: "Left", "Right", "Up" or "Down".
const char* arrowKey(const UserAction& action);

/// Applies what `action` selects to `model`, in one step.
void apply(const UserAction& action, UserModel& model);

/// The shortest list found that still fails: drops actions while `fails` says the failure stays,
/// first in large chunks, then one at a time.
std::vector<UserAction> shrink(std::vector<UserAction> actions,
                               const std::function<bool(const std::vector<UserAction>&)>& fails);

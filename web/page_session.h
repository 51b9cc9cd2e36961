#pragma once

#include <string>
#include <string_view>

#include "window/window_model.h"

namespace nf::web {

/// The window behind the page. The face hands over the user's input on a control by the
/// control's id and gets back the page's attributes to write again, as patchText writes them.
/// Every text it takes may come from anywhere (an element's id, the page's address), so none
/// is trusted: an id no control has, an item out of range or a code that does not read changes
/// nothing.
class PageSession {
 public:
  /// The user's input on the control with id `id`: item `item` chosen in a list, or a click or
  /// press on any other control. Returns the attributes to write; none for an id that names no
  /// control taking input.
  std::string input(std::string_view id, int item);

  /// A key pressed on the control with id `id`, which has the focus: `key` as the browser
  /// names it ("ArrowUp", "Enter", "1"), `shortcut` whether Ctrl, Alt or Meta is held.
  /// Returns "" when the window does not take the key, which then is the browser's; else "1"
  /// followed by the attributes to write and, where the focus moves, a last attribute "focus"
  /// of the element it moves to.
  std::string key(std::string_view id, std::string_view key, bool shortcut);

  /// The code of the function the window shows, or an empty text while it shows none.
  std::string code() const;

  /// Opens the function `code` names: the window as the inputs it stands for leave a freshly
  /// opened one. A code that does not read leaves the window as it is. Returns the attributes
  /// that change.
  std::string open(std::string_view code);

  /// The window as it stands.
  const WindowModel& window() const { return window_; }

 private:
  WindowModel window_;
};

}  // namespace nf::web

#pragma once

#include <string_view>

namespace nf {

/// The keys the window tells apart; every other key is Key::Other.
enum class Key { Other, Left, Right, Up, Down, Home, End, PageUp, PageDown, Space, Enter };

/// A key the user pressed, as a face hands it to the window.
struct KeyPress {
  Key key = Key::Other;
  /// The text the key types ("1"), in UTF-8; empty for none.
  std::string_view text = {};
  /// Whether Ctrl, Alt or the platform's command key is held: then the key is a shortcut,
  /// the toolkit's or the browser's, never the window's. Shift is the text's own affair.
  bool shortcut = false;
};

}  // namespace nf

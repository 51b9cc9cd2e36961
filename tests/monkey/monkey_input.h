#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <random>
#include <string>
#include <vector>

#include "window/controls.h"
#include "xsupport/x_input.h"

class QWidget;

/// One input of the monkey: what a user does in one go (a click, a key chord, a short typed
/// text, a click into a list and a key), as xdotool commands in screen coordinates.
struct MonkeyInput {
  QString description;
  /// Sent one after the other, each once the window has handled the one before, as a user
  /// who looks before the next key: a click that closes a menu is handled before the key
  /// behind it is pressed.
  QList<xsupport::XCommands> stages;
  /// Key presses other than modifiers that the stages make.
  int keyPresses = 0;
};

/// Random, seeded inputs over the whole window: clicks of every button on every control and
/// between them (hidden rows included), Ctrl+click, drags, wheel turns, editing and navigation
/// keys, typing, Tab cycling. One input works on at most one list or the option pair, so that
/// at most one value changes by itself.
class InputGenerator {
 public:
  /// Draws from `random`, which outlives the generator (one run opens several windows).
  InputGenerator(std::mt19937_64& random, const QWidget& window);

  /// The next random input.
  MonkeyInput next();

  /// Selects the whole result box and copies it, as a user does before pasting it elsewhere:
  /// Escape (closes a menu left open), a click into the text, Ctrl+A, Ctrl+C.
  MonkeyInput copyResultBox();

 private:
  struct Target {
    nf::layout::Control control;
    QString name;
    QRect place;  // in screen coordinates
    int weight;
  };
  struct Spot {
    QString where;  // the control aimed at, or "window", and the point
    QPoint at;
  };

  int pick(int low, int high);
  bool chance(int percent) { return pick(1, 100) <= percent; }
  template <typename List>
  const auto& pickFrom(const List& list) {
    return list[static_cast<std::size_t>(pick(0, static_cast<int>(list.size()) - 1))];
  }
  const Target& target(nf::layout::Control control) const;
  const Target& pickTarget();
  /// The count list or a value selector, most often one the user can see.
  const Target& pickList();
  /// A point of `place`, in control `name`.
  Spot pointIn(const QString& name, const QRect& place);
  /// Most often a point of a control, otherwise any point of the window.
  Spot pickSpot();

  MonkeyInput click(int button, int times);
  MonkeyInput modifiedClick(const std::string& modifier);
  MonkeyInput drag();
  MonkeyInput wheel();
  MonkeyInput listKey();
  MonkeyInput keyChord();
  MonkeyInput typing();
  MonkeyInput tabbing();

  std::mt19937_64& random_;
  const QWidget& window_;
  QRect area_;  // the window's, in screen coordinates
  std::vector<Target> targets_;
  int totalWeight_ = 0;
};

#include "monkey_input.h"

#include <QWidget>
#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "window/controls.h"
#include "window_reader.h"

namespace {

// Keys a user may press anywhere: editing keys and their Ctrl and Shift chords (the paste,
// cut, undo and delete ones above all, aimed at the read-only boxes), list and text navigation,
// the keys that press buttons, and a few that open or close menus.
// clang-format off
constexpr std::array kKeys = {
    "Delete", "BackSpace", "ctrl+v", "ctrl+x", "shift+Insert", "shift+Delete", "ctrl+Insert",
    "ctrl+a", "ctrl+c", "ctrl+z", "ctrl+y", "ctrl+shift+z", "ctrl+k", "ctrl+d", "ctrl+h",
    "ctrl+u", "ctrl+w", "ctrl+BackSpace", "ctrl+Delete", "Home", "End", "Prior", "Next",
    "ctrl+Home", "ctrl+End", "shift+Home", "shift+End", "shift+Prior", "shift+Next", "Up",
    "Down", "Left", "Right", "shift+Up", "shift+Down", "ctrl+Up", "ctrl+Down", "ctrl+space",
    "ctrl+shift+space", "space", "shift+space", "Return", "KP_Enter", "Escape", "Insert",
    "Menu", "F2", "alt+Down", "ctrl+Tab", "KP_0", "KP_1", "0", "1", "3", "4", "5", "ctrl+0",
    "ctrl+1", "alt+1", "shift+1",
};

// Keys that move or toggle a list's selection.
constexpr std::array kListKeys = {
    "Up", "Down", "Home", "End", "Prior", "Next", "space", "ctrl+space", "ctrl+Up",
    "ctrl+Down", "shift+Down", "0", "1", "4",
};
// clang-format on

// Characters typed into whatever has the focus, with their key names: digits that name items,
// letters, blanks and the signs that appear in the report.
struct Typed {
  char character;
  const char* keysym;
};
constexpr std::array<Typed, 22> kTyped = {{
    {'0', "0"},     {'1', "1"},      {'0', "0"},           {'1', "1"},         {'3', "3"},
    {'4', "4"},     {'5', "5"},      {'a', "a"},           {'b', "b"},         {'c', "c"},
    {'x', "x"},     {'y', "y"},      {'z', "z"},           {'A', "A"},         {'Z', "Z"},
    {' ', "space"}, {'!', "exclam"}, {'^', "asciicircum"}, {'(', "parenleft"}, {')', "parenright"},
    {'v', "v"},     {'-', "minus"},
}};

xsupport::XCommands moveTo(QPoint at) {
  return xsupport::XCommands().moveTo(at.x(), at.y());
}

// Key presses 15 ms apart.
xsupport::XCommands keys(const std::vector<std::string>& names) {
  return xsupport::XCommands().keys(names, 15);
}

const char* buttonName(int button) {
  static const char* const kNames[] = {"left", "middle", "right"};
  return kNames[button - 1];
}

namespace group = nf::layout::group;

// How often a click aims at each kind of control: the lists and the options most.
int weight(nf::layout::Control control) {
  const std::string_view g = control.group;
  return g == group::List2                           ? 60
         : g == group::Text1                         ? 40
         : g == group::Option1                       ? 30
         : g == group::List1 || g == group::Command1 ? 12
         : g == group::Label1                        ? (control.index == nf::layout::kRows ? 8 : 2)
                                                     : 4;
}

}  // namespace

InputGenerator::InputGenerator(std::mt19937_64& random, const QWidget& window)
    : random_(random), window_(window), area_(window.mapToGlobal(QPoint(0, 0)), window.size()) {
  // Every row slot is a target, shown, hidden or not made yet: a click where a hidden row
  // would be must land on the window's background and change nothing.
  for (const nf::layout::Control& control : nf::layout::stackingOrder()) {
    const nf::layout::Pixels at = nf::layout::placeInWindow(control);
    targets_.push_back({control, QString::fromStdString(control.name()),
                        QRect(at.left, at.top, at.width, at.height).translated(area_.topLeft()),
                        weight(control)});
    totalWeight_ += targets_.back().weight;
  }
}

int InputGenerator::pick(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

const InputGenerator::Target& InputGenerator::target(nf::layout::Control control) const {
  for (const Target& candidate : targets_) {
    if (candidate.control == control) {
      return candidate;
    }
  }
  qFatal("no target named %s", control.name().c_str());
}

const InputGenerator::Target& InputGenerator::pickTarget() {
  int left = pick(0, totalWeight_ - 1);
  for (const Target& candidate : targets_) {
    if (left < candidate.weight) {
      return candidate;
    }
    left -= candidate.weight;
  }
  return targets_.back();
}

const InputGenerator::Target& InputGenerator::pickList() {
  if (chance(25)) {
    return target({group::List2});
  }
  std::vector<const Target*> selectors;
  const bool shownOnly = chance(80);
  for (const Target& candidate : targets_) {
    if (candidate.control.group != group::List1) {
      continue;
    }
    const auto* control = findControl<QWidget>(window_, candidate.control);
    if (!shownOnly || (control != nullptr && control->isVisible())) {
      selectors.push_back(&candidate);
    }
  }
  return *pickFrom(selectors);
}

InputGenerator::Spot InputGenerator::pointIn(const QString& name, const QRect& place) {
  // Braces, so that the two draws come in this order.
  const QPoint at{pick(place.left(), place.right()), pick(place.top(), place.bottom())};
  return {QStringLiteral("%1 at (%2, %3)").arg(name).arg(at.x()).arg(at.y()), at};
}

InputGenerator::Spot InputGenerator::pickSpot() {
  // Gaps, captions and hidden rows get their share through the points anywhere.
  if (chance(75)) {
    const Target& aimed = pickTarget();
    return pointIn(aimed.name, aimed.place);
  }
  return pointIn(QStringLiteral("window"), area_);
}

MonkeyInput InputGenerator::next() {
  // Cumulative shares out of 100.
  const std::pair<int, std::function<MonkeyInput()>> kinds[] = {
      {30, [this] { return click(1, 1); }},
      {40, [this] { return modifiedClick("ctrl"); }},
      {42, [this] { return modifiedClick("shift"); }},
      {45, [this] { return click(1, 2); }},
      {47, [this] { return click(3, 1); }},
      {49, [this] { return click(2, 1); }},
      {52, [this] { return wheel(); }},
      {54, [this] { return drag(); }},
      {64, [this] { return listKey(); }},
      {82, [this] { return keyChord(); }},
      {92, [this] { return typing(); }},
      {100, [this] { return tabbing(); }},
  };
  const int roll = pick(1, 100);
  return std::ranges::find_if(kinds, [roll](const auto& kind) { return roll <= kind.first; })
      ->second();
}

MonkeyInput InputGenerator::click(int button, int times) {
  const Spot spot = pickSpot();
  return {QStringLiteral("%1%2-click on %3")
              .arg(times == 2 ? QStringLiteral("double ") : QString(),
                   QLatin1String(buttonName(button)), spot.where),
          {moveTo(spot.at).click(button, times)}};
}

MonkeyInput InputGenerator::modifiedClick(const std::string& modifier) {
  // Ctrl+click aims at the lists above all: on the selected item it must not deselect it.
  Spot spot = pickSpot();
  if (chance(60)) {
    const Target& list = pickList();
    spot = pointIn(list.name, list.place);
  }
  return {QStringLiteral("%1+click on %2").arg(QString::fromStdString(modifier), spot.where),
          {moveTo(spot.at).keyDown(modifier).click().keyUp(modifier)}};
}

MonkeyInput InputGenerator::drag() {
  const Spot from = pickSpot();
  const Spot to = pickSpot();
  const QPoint middle = (from.at + to.at) / 2;
  return {QStringLiteral("drag from %1 to %2").arg(from.where, to.where),
          {moveTo(from.at)
               .buttonDown(1)
               .moveTo(middle.x(), middle.y())
               .pause(0.05)
               .moveTo(to.at.x(), to.at.y())
               .buttonUp(1)}};
}

MonkeyInput InputGenerator::wheel() {
  const Spot spot = pickSpot();
  const bool down = chance(50);
  const int turns = pick(1, 3);
  return {QStringLiteral("wheel %1 x%2 over %3")
              .arg(down ? QStringLiteral("down") : QStringLiteral("up"))
              .arg(turns)
              .arg(spot.where),
          {moveTo(spot.at).click(down ? 5 : 4, turns)}};
}

// Into a list, then a key that moves or toggles its selection: the keys a user tries on a list
// that shows one item at a time.
MonkeyInput InputGenerator::listKey() {
  const Target& list = pickList();
  const Spot spot = pointIn(list.name, list.place);
  const char* key = pickFrom(kListKeys);
  return {QStringLiteral("left-click on %1, key %2").arg(spot.where, QLatin1String(key)),
          {moveTo(spot.at).click(), keys({key})},
          1};
}

MonkeyInput InputGenerator::keyChord() {
  const char* key = pickFrom(kKeys);
  return {QStringLiteral("key %1").arg(QLatin1String(key)), {keys({key})}, 1};
}

// Typed as key presses: xdotool's "type" would take the commands behind it for text as well.
MonkeyInput InputGenerator::typing() {
  const int length = pick(1, 5);
  QString text;
  std::vector<std::string> names;
  for (int i = 0; i < length; ++i) {
    const Typed& typed = pickFrom(kTyped);
    text += QLatin1Char(typed.character);
    names.emplace_back(typed.keysym);
  }
  return {QStringLiteral("type \"%1\"").arg(text), {keys(names)}, length};
}

MonkeyInput InputGenerator::tabbing() {
  const std::string key = chance(30) ? "shift+Tab" : "Tab";
  const int steps = pick(1, 8);
  return {QStringLiteral("key %1 x%2").arg(QString::fromStdString(key)).arg(steps),
          {keys(std::vector<std::string>(static_cast<std::size_t>(steps), key))},
          steps};
}

MonkeyInput InputGenerator::copyResultBox() {
  // Into the text, well clear of the scroll bar.
  const QRect box = target({group::Text1, 0}).place;
  const QPoint at = box.topLeft() + QPoint(box.width() / 3, box.height() / 2);
  return {QStringLiteral("copy the result box: Escape, click at (%1, %2), Ctrl+A, Ctrl+C")
              .arg(at.x())
              .arg(at.y()),
          {keys({"Escape"}), moveTo(at).click(), keys({"ctrl+a", "ctrl+c"})},
          3};
}

#pragma once

// The window's controls, described once. Each group of like controls is written here with its
// kind, its elements (place, colour, text, what assistive technology reads), what it shows of
// the window's state and whether it takes input; the tab order is written as runs of groups.
// Every face builds the window from this table by kind alone, and the window model finds its
// controls here.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/layout.h"

namespace nf::layout {

// The groups' names. A control has one name everywhere: the desktop's object name, the page's
// element id, the name the tests drive it by and the one a bug report quotes, so that
// "List1_20 keeps its value" means the same control on both faces. The name is the group's,
// and for a control in an indexed group the element's index after "_": row 7's value selector
// is "List1_7", the count list simply "List2".
namespace group {
inline constexpr std::string_view Label2 = "Label2";      // the captions "Брой" and "Вид:"
inline constexpr std::string_view List2 = "List2";        // the count list: "3", "4", "5"
inline constexpr std::string_view Frame1 = "Frame1";      // the frame around the option pair
inline constexpr std::string_view Option1 = "Option1";    // ДНФ (0) and КНФ (1)
inline constexpr std::string_view Command1 = "Command1";  // Clear, "Чисти" (0, the only one)
inline constexpr std::string_view Text2 = "Text2";        // row i's label box, "1 0 1"
inline constexpr std::string_view Label1 = "Label1";      // row i's " = "; 32: the square
inline constexpr std::string_view List1 = "List1";        // row i's value selector: "0", "1"
inline constexpr std::string_view Text1 = "Text1";        // the result box (0, the only one)
}  // namespace group

/// What a group's controls are; a face makes each kind its own way.
enum class Kind {
  Label,         ///< a caption or a coloured patch, centred text; may take clicks
  List,          ///< items one under the other, at most one selected, a vertical scroll bar
  Frame,         ///< holds the option buttons of a group
  OptionButton,  ///< one of exclusive options
  PushButton,    ///< a button with a caption
  TextBox,       ///< read-only text: one line, or many with a vertical scroll bar
};

/// What a group's controls show of the window's state.
enum class Shows {
  Nothing,
  Count,   ///< the chosen count, as the selected item
  Form,    ///< the chosen form: the option whose index it is is selected
  Value,   ///< row i's value, as the selected item
  Label,   ///< row i's label, as the text
  Result,  ///< the report, as the text
};

/// What assistive technology reads out for a control: a name and a description.
struct Accessible {
  std::string_view name;
  std::string_view description;
};

/// One control of a group: everything fixed about it.
struct Element {
  /// In the window's client area, or in the group's container.
  Twips place;
  /// None: the toolkit's own background for the kind (white in the standard scheme).
  std::optional<Rgb> background;
  /// A caption's or a button's text.
  std::string_view text;
  /// The tool tip.
  std::string_view tip;
  Accessible accessible;
};

/// Which of a row's controls a group has in every row, at that row's place in the grid.
enum class RowPart { None, LabelBox, Sign, Selector };

/// A group of like controls: one in every row first, if it has those, then its own elements.
struct Group {
  std::string_view name;
  Kind kind;
  /// Whether the group's controls are named with their index ("List1_7"); a group that is not
  /// indexed has one control, named as the group.
  bool indexed;
  /// The control it has in every row: controls 0 .. kRows - 1 belong to rows 0 .. kRows - 1,
  /// are shown only while their row is, and are all `inEveryRow` but for their places.
  RowPart rowPart = RowPart::None;
  Element inEveryRow = {};
  /// The group's controls outside the rows, after those in the rows.
  std::span<const Element> elements = {};
  /// The group whose control holds this group's controls; empty for the window.
  std::string_view container = {};
  Shows shows = Shows::Nothing;
  /// Whether an element's accessible name is its own followed by its row's label.
  bool namedByRowLabel = false;
  /// A list's items.
  std::span<const std::string_view> items = {};
  /// The font's size, in points; 0 for the window's font.
  double fontPoints = 0;
  /// A text box that holds many lines.
  bool multiLine = false;
  /// Whether the user's clicks, choices or keys on the group's controls are input.
  bool takesInput = false;
  /// The control's role, as the web's accessibility roles name it ("listbox", "img"); the
  /// desktop's controls carry their kind's own.
  std::string_view role = {};

  /// How many controls of the group are in the rows: kRows or none.
  int rowControls() const { return rowPart == RowPart::None ? 0 : kRows; }
  /// How many controls the group has.
  int size() const { return rowControls() + static_cast<int>(elements.size()); }
  /// The description of the group's element `i`, the rows' first.
  Element element(int i) const;
};

/// Index of a control that stands alone rather than in an indexed group.
inline constexpr int kAlone = -1;

/// One control: a group and, in an indexed group, the element's index.
struct Control {
  std::string_view group;
  int index = kAlone;

  /// The control's name: "List1_7", or the group's alone ("List2").
  std::string name() const;
  /// The control named `name`, among those that take input; none for any other name.
  static std::optional<Control> named(std::string_view name);

  bool operator==(const Control&) const = default;
};

/// The window's groups, each once, in the order the desktop makes them.
std::span<const Group> groups();

/// The group named `name`, or none.
const Group* findGroup(std::string_view name);

/// The group of `control`, which must be one of the window's.
const Group& groupOf(const Control& control);

/// The description of `control`, which must be one of the window's.
Element elementOf(const Control& control);

/// Whether `control` is one of the window's.
bool exists(const Control& control);

/// The number of controls in the window.
std::size_t controlCount();

/// A number for each control, from 0 to controlCount() - 1, for a face's tables.
std::size_t slotOf(const Control& control);

/// Every control, bottom first as they stack where they overlap: the controls outside the rows
/// in the groups' order, then row by row each row's controls in the groups' order.
const std::vector<Control>& stackingOrder();

/// Every control that takes the keyboard focus, in Tab order; a face passes over those that
/// are not shown. The focus starts on the first.
std::vector<Control> tabOrder();

/// Where `control` stands in the window's client area, in pixels as every face rounds it (an
/// option lies inside the frame: its place there plus the frame's).
Pixels placeInWindow(const Control& control);

/// The row a control belongs to, or none for a control outside the rows.
std::optional<int> rowOf(const Control& control);

}  // namespace nf::layout

#include "window/controls.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "core/truth_table.h"

namespace nf::layout {
namespace {

constexpr Rgb kCaptionColour{255, 224, 192};
constexpr Rgb kDnfColour{255, 192, 128};
constexpr Rgb kKnfColour{255, 255, 128};
constexpr Rgb kClearColour{255, 128, 128};
constexpr Rgb kSignColour{0, 255, 0};

constexpr std::string_view kSignText = " = ";
constexpr std::string_view kSquareTip = "Великденски заяк";

constexpr Element kCaptions[] = {
    {{120, 120, 735, 375}, kCaptionColour, "Брой", {}, {}},
    {{1080, 120, 735, 375}, kCaptionColour, "Вид:", {}, {}},
};

constexpr Element kCountList[] = {
    {{120, 480, 735, 345},
     std::nullopt,
     {},
     {},
     {"Брой променливи", "Изберете броя на променливите на функцията: 3, 4 или 5"}},
};

// The options cover most of the frame's top edge, so it draws neither border nor caption.
constexpr Element kFrame[] = {
    {{1800, 0, 2655, 450},
     kWindowColour,
     {},
     {},
     {"Вид на нормалната форма", "Изберете ДНФ или КНФ"}},
};

constexpr Element kOptions[] = {
    {{120, 120, 855, 285}, kDnfColour, "ДНФ", {}, {"ДНФ", "Дизюнктивна нормална форма"}},
    {{1680, 120, 855, 285}, kKnfColour, "КНФ", {}, {"КНФ", "Конюнктивна нормална форма"}},
};

constexpr Element kClear[] = {
    {{4680, 120, 1575, 285},
     kClearColour,
     "Чисти",
     {},
     {"Чисти", "Връща три променливи, ДНФ, всички стойности 0 и празно поле за резултата"}},
};

constexpr Element kResultBox[] = {
    {{120, 5640, 6975, 1455},
     std::nullopt,
     {},
     {},
     {"Резултат", "Нормалната форма на функцията, по един терм на ред"}},
};

constexpr Element kSquare[] = {
    {{3720, 5400, 135, 135}, kWindowColour, {}, kSquareTip, {kSquareTip, {}}},
};

// The desktop makes the controls in this order, and stacks them so.
constexpr std::array<Group, 9> kGroups = {{
    {.name = group::Label2, .kind = Kind::Label, .indexed = true, .elements = kCaptions},
    {.name = group::List2,
     .kind = Kind::List,
     .indexed = false,
     .elements = kCountList,
     .shows = Shows::Count,
     .items = kCountItems,
     .takesInput = true,
     .role = "listbox"},
    {.name = group::Frame1,
     .kind = Kind::Frame,
     .indexed = false,
     .elements = kFrame,
     .role = "radiogroup"},
    {.name = group::Option1,
     .kind = Kind::OptionButton,
     .indexed = true,
     .elements = kOptions,
     .container = group::Frame1,
     .shows = Shows::Form,
     .takesInput = true,
     .role = "radio"},
    {.name = group::Command1,
     .kind = Kind::PushButton,
     .indexed = true,
     .elements = kClear,
     .takesInput = true,
     .role = "button"},
    {.name = group::Text2,
     .kind = Kind::TextBox,
     .indexed = true,
     .rowPart = RowPart::LabelBox,
     .inEveryRow = {{},
                    std::nullopt,
                    {},
                    {},
                    {"Ред ", "Стойностите на аргументите A, B, C, D, E в този ред на таблицата"}},
     .shows = Shows::Label,
     .namedByRowLabel = true,
     .role = "textbox"},
    // The " = " signs, and after them the small square in the gap above the result box, in
    // the window's own colour: it shows only its tool tip.
    {.name = group::Label1,
     .kind = Kind::Label,
     .indexed = true,
     .rowPart = RowPart::Sign,
     .inEveryRow = {{}, kSignColour, kSignText, {}, {"равно", "Знак между реда и стойността му"}},
     .elements = kSquare,
     .takesInput = true,
     .role = "img"},
    {.name = group::List1,
     .kind = Kind::List,
     .indexed = true,
     .rowPart = RowPart::Selector,
     .inEveryRow = {{},
                    std::nullopt,
                    {},
                    {},
                    {"Стойност на ред ",
                     "Стойност на функцията за този ред: 0 или 1; натиснете 0 или 1, или стрелка"}},
     .shows = Shows::Value,
     .namedByRowLabel = true,
     .items = kValueItems,
     .fontPoints = 9.75,
     .takesInput = true,
     .role = "listbox"},
    {.name = group::Text1,
     .kind = Kind::TextBox,
     .indexed = true,
     .elements = kResultBox,
     .shows = Shows::Result,
     .multiLine = true,
     .role = "textbox"},
}};

// Runs of like controls in Tab order: elements `from` to `to` of a group, counting down where
// `to` is the smaller. The label boxes of a column follow its first eight selectors.
struct TabRun {
  std::string_view group;
  int from;
  int to;
};

constexpr std::array<TabRun, 10> kTabRuns = {{
    {group::List1, 0, 7},
    {group::Text1, 0, 0},
    {group::Text2, 0, 15},
    {group::List1, 8, 15},
    {group::List1, 31, 24},
    {group::Text2, 31, 16},
    {group::List1, 23, 16},
    {group::List2, kAlone, kAlone},
    {group::Option1, 0, 1},
    {group::Command1, 0, 0},
}};

// The index the group's element `i` has as a control.
int controlIndex(const Group& group, int i) {
  return group.indexed ? i : kAlone;
}

}  // namespace

Element Group::element(int i) const {
  if (i >= rowControls()) {
    return elements[static_cast<std::size_t>(i - rowControls())];
  }
  Element row = inEveryRow;
  const RowPlaces places = rowPlaces(i);
  row.place = rowPart == RowPart::LabelBox ? places.labelBox
              : rowPart == RowPart::Sign   ? places.sign
                                           : places.selector;
  return row;
}

std::string Control::name() const {
  std::string text(group);
  if (index != kAlone) {
    text += '_';
    text += std::to_string(index);
  }
  return text;
}

std::optional<Control> Control::named(std::string_view name) {
  const std::size_t split = name.find('_');
  const Group* found = findGroup(name.substr(0, split));
  if (found == nullptr || !found->takesInput || found->indexed != (split != name.npos)) {
    return std::nullopt;
  }
  if (!found->indexed) {
    return Control{found->name};
  }
  // The index as name() writes it: no sign, no leading zero, within the group.
  const std::string_view digits = name.substr(split + 1);
  if (digits.empty() || digits.size() > 2 || (digits.size() > 1 && digits[0] == '0')) {
    return std::nullopt;
  }
  int index = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') {
      return std::nullopt;
    }
    index = 10 * index + (digit - '0');
  }
  return index < found->size() ? std::optional<Control>(Control{found->name, index}) : std::nullopt;
}

std::span<const Group> groups() {
  return kGroups;
}

const Group* findGroup(std::string_view name) {
  for (const Group& group : kGroups) {
    if (group.name == name) {
      return &group;
    }
  }
  return nullptr;
}

const Group& groupOf(const Control& control) {
  const Group* found = findGroup(control.group);
  if (found == nullptr) {
    // Every way in checks the controls it is given (exists(), Control::named()).
    std::abort();
  }
  return *found;
}

Element elementOf(const Control& control) {
  return groupOf(control).element(control.index == kAlone ? 0 : control.index);
}

bool exists(const Control& control) {
  const Group* group = findGroup(control.group);
  if (group == nullptr) {
    return false;
  }
  return group->indexed ? control.index >= 0 && control.index < group->size()
                        : control.index == kAlone;
}

std::size_t controlCount() {
  std::size_t count = 0;
  for (const Group& group : kGroups) {
    count += static_cast<std::size_t>(group.size());
  }
  return count;
}

std::size_t slotOf(const Control& control) {
  std::size_t slot = 0;
  for (const Group& group : kGroups) {
    if (group.name == control.group) {
      return slot + (group.indexed ? static_cast<std::size_t>(control.index) : 0);
    }
    slot += static_cast<std::size_t>(group.size());
  }
  return slot;
}

const std::vector<Control>& stackingOrder() {
  static const std::vector<Control> order = [] {
    std::vector<Control> controls;
    for (const Group& group : kGroups) {
      for (int i = group.rowControls(); i < group.size(); ++i) {
        controls.push_back({group.name, controlIndex(group, i)});
      }
    }
    for (int row = 0; row < kRows; ++row) {
      for (const Group& group : kGroups) {
        if (row < group.rowControls()) {
          controls.push_back({group.name, row});
        }
      }
    }
    return controls;
  }();
  return order;
}

std::vector<Control> tabOrder() {
  std::vector<Control> order;
  for (const TabRun& run : kTabRuns) {
    const int step = run.from <= run.to ? 1 : -1;
    for (int index = run.from; index != run.to + step; index += step) {
      order.push_back({run.group, index});
    }
  }
  return order;
}

Pixels placeInWindow(const Control& control) {
  Pixels place = toPixels(elementOf(control).place);
  if (const std::string_view container = groupOf(control).container; !container.empty()) {
    const Pixels outer = placeInWindow({container, controlIndex(groupOf({container}), 0)});
    place.left += outer.left;
    place.top += outer.top;
  }
  return place;
}

std::optional<int> rowOf(const Control& control) {
  return control.index >= 0 && control.index < groupOf(control).rowControls()
             ? std::optional<int>(control.index)
             : std::nullopt;
}

}  // namespace nf::layout

#include "window/layout.h"

namespace nf::layout {
namespace {

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

// The groups that take input, with their number of elements; 0 for a control that stands
// alone. No group's name begins another's.
struct InputGroup {
  std::string_view group;
  int elements;
};

constexpr std::array<InputGroup, 5> kInputGroups = {{
    {group::List2, 0},
    {group::List1, kRows},
    {group::Option1, 2},
    {group::Command1, 1},
    {group::Label1, kRows + 1},
}};

Pixels inside(Pixels parent, Pixels own) {
  return {parent.left + own.left, parent.top + own.top, own.width, own.height};
}

}  // namespace

std::string Control::name() const {
  std::string text(group);
  if (index != kAlone) {
    text += '_';
    text += std::to_string(index);
  }
  return text;
}

std::optional<Control> Control::named(std::string_view name) {
  for (const InputGroup& input : kInputGroups) {
    if (!name.starts_with(input.group)) {
      continue;
    }
    const std::string_view rest = name.substr(input.group.size());
    if (input.elements == 0) {
      return rest.empty() ? std::optional<Control>(Control{input.group}) : std::nullopt;
    }
    // "_" and the index as name() writes it: no sign, no leading zero, within the group.
    if (rest.size() < 2 || rest.size() > 3 || rest[0] != '_' ||
        (rest.size() == 3 && rest[1] == '0')) {
      return std::nullopt;
    }
    int index = 0;
    for (const char digit : rest.substr(1)) {
      if (digit < '0' || digit > '9') {
        return std::nullopt;
      }
      index = 10 * index + (digit - '0');
    }
    return index < input.elements ? std::optional<Control>(Control{input.group, index})
                                  : std::nullopt;
  }
  return std::nullopt;
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

std::vector<ControlPlace> controlPlaces() {
  std::vector<ControlPlace> places;
  for (std::size_t i = 0; i < kLabel2.size(); ++i) {
    places.push_back({{group::Label2, static_cast<int>(i)}, toPixels(kLabel2[i].place)});
  }
  places.push_back({{group::List2}, toPixels(kList2)});
  places.push_back({{group::Frame1}, toPixels(kFrame1)});
  for (std::size_t i = 0; i < kOption1.size(); ++i) {
    places.push_back({{group::Option1, static_cast<int>(i)},
                      inside(toPixels(kFrame1), toPixels(kOption1[i].place))});
  }
  places.push_back({{group::Command1, 0}, toPixels(kCommand1)});
  places.push_back({{group::Text1, 0}, toPixels(kText1)});
  places.push_back({{group::Label1, kRows}, toPixels(kEasterSquare)});
  for (int row = 0; row < kRows; ++row) {
    const RowPlaces parts = rowPlaces(row);
    places.push_back({{group::Text2, row}, toPixels(parts.labelBox)});
    places.push_back({{group::Label1, row}, toPixels(parts.sign)});
    places.push_back({{group::List1, row}, toPixels(parts.selector)});
  }
  return places;
}

}  // namespace nf::layout

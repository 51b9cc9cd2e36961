#include "browser_face.h"

#include <cstdlib>
#include <istream>
#include <ostream>

#include "user_model.h"

namespace {

namespace layout = nf::layout;

// The page draws a list's scroll bar 14 px wide on the right, with arrows 7 px high.
constexpr int kScrollBarWidth = 14;

layout::Pixels placeOf(layout::Control control) {
  return layout::placeInWindow(control);
}

}  // namespace

std::string expectedCode(const UserModel& model) {
  if (model.box() != UserModel::Box::Report) {
    return {};
  }
  std::string code = model.form() == 0 ? "dnf-" : "knf-";
  for (int row = 0; row < model.shownRows(); ++row) {
    code += static_cast<char>('0' + model.value(row));
  }
  return code;
}

BrowserFace::BrowserFace(std::istream& answers, std::ostream& commands, bool touch)
    : answers_(answers), commands_(commands), touch_(touch) {}

std::string BrowserFace::ask(const std::string& command) {
  commands_ << command << std::endl;
  std::string answer;
  if (!std::getline(answers_, answer) && problem_.empty()) {
    problem_ = "the driver gave no answer to \"" + command + "\"";
  }
  return answer;
}

void BrowserFace::click(layout::Pixels at, int dx, int dy) {
  ask((touch_ ? "tap " : "click ") + std::to_string(at.left + dx) + " " +
      std::to_string(at.top + dy));
}

void BrowserFace::keys(const std::vector<std::string>& names) {
  std::string command = "keys";
  for (const std::string& name : names) {
    command += " " + name;
  }
  ask(command);
}

void BrowserFace::open() {
  openAt({});
}

void BrowserFace::openAt(const std::string& code, bool anew) {
  ask(code.empty() ? "open" : (anew ? "open " : "code ") + code);
  const std::string address = ask("address");
  history_ = address.substr(0, address.find(' '));
}

SeenWindow BrowserFace::read() {
  const std::string line = ask("read");
  if (std::optional<SeenWindow> seen = parseSeenWindow(line)) {
    return *seen;
  }
  if (problem_.empty()) {
    problem_ = "the driver read the page as \"" + line.substr(0, 80) + "\"";
  }
  return {};
}

std::string BrowserFace::problem(const UserModel& expected) {
  if (!problem_.empty()) {
    return problem_;
  }
  const std::string address = ask("address");
  const std::string code = address.substr(address.find(' ') + 1);
  if (code != expectedCode(expected)) {
    return "the address ends in \"" + code + "\", expected \"" + expectedCode(expected) + "\"";
  }
  if (address.substr(0, address.find(' ')) != history_) {
    return "the browser's history grew to " + address.substr(0, address.find(' '));
  }
  return {};
}

template <typename Select>
void BrowserFace::choose(layout::Pixels place, int items, int shown, int item, UserAction::Way way,
                         const std::string& typed, Select select) {
  const int itemX = (place.width - kScrollBarWidth) / 2;
  const int middle = place.height / 2;
  if (way == UserAction::Way::Click) {
    // Up to the first item with the scroll bar's arrows, down to the item, and click it.
    for (int step = 0; step < items - 1; ++step) {
      click(place, place.width - 8, 4);
    }
    for (int step = 0; step < item; ++step) {
      click(place, place.width - 8, place.height - 5);
    }
    click(place, itemX, middle);
    return;
  }
  // A click on the item the list shows chooses it; then arrows step, or a typed item's text
  // chooses at once.
  click(place, itemX, middle);
  select(shown);
  if (way == UserAction::Way::Typed) {
    keys({typed});
    return;
  }
  for (int step = shown; step != item;) {
    step += step < item ? 1 : -1;
    keys({step > shown ? "Down" : "Up"});
    select(step);
  }
}

void BrowserFace::performByTouch(const UserAction& action, const UserModel& expected) {
  const bool count = action.kind == UserAction::Kind::Count;
  if (!count && action.kind != UserAction::Kind::Value) {
    const layout::Control control = action.kind == UserAction::Kind::Form
                                        ? layout::Control{layout::group::Option1, action.target}
                                    : action.kind == UserAction::Kind::Clear
                                        ? layout::Control{layout::group::Command1, 0}
                                        : layout::Control{layout::group::Label1, action.target};
    const layout::Pixels place = placeOf(control);
    click(place, place.width / 2, place.height / 2);
    return;
  }
  const layout::Pixels place =
      count ? placeOf({layout::group::List2}) : placeOf({layout::group::List1, action.target});
  const int shown = count ? std::max(expected.countIndex(), 0) : expected.value(action.target);
  const int item = count ? action.target : action.value;
  const int x = place.left + (place.width - kScrollBarWidth) / 2;
  const int y = place.top + place.height / 2;
  if (item != shown) {
    // The items follow the finger, one for every list height it moves: a height and a half for
    // each item on the way.
    const int distance = (2 * std::abs(item - shown) + 1) * place.height / 2;
    ask("swipe " + std::to_string(x) + " " + std::to_string(y) + " " +
        std::to_string(item > shown ? -distance : distance));
  }
  click(place, x - place.left, y - place.top);
}

void BrowserFace::perform(const UserAction& action, UserModel& expected) {
  if (touch_) {
    performByTouch(action, expected);
    return;
  }
  // After every action a list shows its selected item, or its first while none is selected.
  switch (action.kind) {
    case UserAction::Kind::Count:
      choose(placeOf({layout::group::List2}), 3, std::max(expected.countIndex(), 0), action.target,
             action.way, std::to_string(action.target + 3),
             [&expected](int item) { expected.chooseCount(item); });
      break;
    case UserAction::Kind::Value:
      choose(placeOf({layout::group::List1, action.target}), 2, expected.value(action.target),
             action.value, action.way, std::to_string(action.value),
             [&expected, &action](int item) { expected.setValue(action.target, item); });
      break;
    case UserAction::Kind::Form:
      if (action.way == UserAction::Way::Arrows) {
        // The other option takes the focus without being selected; the arrow leads back.
        ask("focus " + layout::Control{layout::group::Option1, 1 - action.target}.name());
        keys({arrowKey(action)});
      } else {
        const layout::Pixels option = placeOf({layout::group::Option1, action.target});
        click(option, 8, option.height / 2);
      }
      break;
    case UserAction::Kind::Clear:
      if (action.way == UserAction::Way::Click) {
        const layout::Pixels place = placeOf({layout::group::Command1, 0});
        click(place, place.width / 2, place.height / 2);
      } else {
        ask("focus " + layout::Control{layout::group::Command1, 0}.name());
        keys({action.value == 0 ? "Enter" : "Space"});
      }
      break;
    case UserAction::Kind::Label: {
      const layout::Pixels place = placeOf({layout::group::Label1, action.target});
      click(place, place.width / 2, place.height / 2);
      break;
    }
  }
}

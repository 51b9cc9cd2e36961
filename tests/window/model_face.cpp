#include "model_face.h"

#include "user_model.h"
#include "window/control_view.h"

namespace {

namespace group = nf::layout::group;
using nf::layout::Control;

nf::Key arrow(const UserAction& action) {
  const std::string name = arrowKey(action);
  return name == "Left"    ? nf::Key::Left
         : name == "Right" ? nf::Key::Right
         : name == "Up"    ? nf::Key::Up
                           : nf::Key::Down;
}

}  // namespace

void ModelFace::open() {
  window_ = nf::WindowModel();
  drawn_.assign(nf::layout::controlCount(), {});
  problem_.clear();
  focus_.reset();
  nf::Answer all;
  all.redraw = nf::layout::stackingOrder();
  draw(all);
}

void ModelFace::click(const Control& control, int item) {
  draw(window_.input(control, item));
}

void ModelFace::press(const Control& control, nf::Key key, std::string_view text) {
  const nf::Answer answer = window_.key(control, {key, text, false});
  if (!answer.taken && problem_.empty()) {
    problem_ = "the window left a key on " + control.name() + " to the toolkit";
  }
  draw(answer);
  if (answer.focus) {
    focus_ = answer.focus;
  }
}

void ModelFace::draw(const nf::Answer& answer) {
  for (const Control& control : answer.redraw) {
    const nf::ControlView view = nf::viewOf(window_.state(), control);
    drawn_[nf::layout::slotOf(control)] = {view.shown, view.selected, std::string(view.text),
                                           std::string(view.nameEnd)};
  }
}

const ModelFace::Drawn& ModelFace::drawn(const Control& control) const {
  return drawn_[nf::layout::slotOf(control)];
}

void ModelFace::perform(const UserAction& action, UserModel& expected) {
  using Kind = UserAction::Kind;
  using Way = UserAction::Way;
  // A list: a click on the item; or a click on the item it shows, then the arrows step to the
  // item, each step a choice, or its text typed.
  const auto choose = [&](const Control& list, int item, const auto& select) {
    if (action.way == Way::Click) {
      click(list, item);
      return;
    }
    const int shown = std::max(drawn(list).selected, 0);
    click(list, shown);
    select(shown);
    if (action.way == Way::Typed) {
      press(list, nf::Key::Other, nf::layout::groupOf(list).items[static_cast<std::size_t>(item)]);
      return;
    }
    for (int step = shown; step != item;) {
      step += step < item ? 1 : -1;
      press(list, step > shown ? nf::Key::Down : nf::Key::Up);
      select(step);
    }
  };
  switch (action.kind) {
    case Kind::Count:
      choose(Control{group::List2}, action.target, [&](int item) { expected.chooseCount(item); });
      break;
    case Kind::Value:
      choose(Control{group::List1, action.target}, action.value,
             [&](int item) { expected.setValue(action.target, item); });
      break;
    case Kind::Form:
      if (action.way == Way::Arrows) {
        // The other option has the focus; the arrow leads back to this one.
        focus_ = Control{group::Option1, 1 - action.target};
        press(*focus_, arrow(action));
        if (focus_ != Control{group::Option1, action.target} && problem_.empty()) {
          problem_ = "an arrow on an option left the focus on " + focus_->name();
        }
      } else {
        click({group::Option1, action.target});
      }
      break;
    case Kind::Clear:
      if (action.way == Way::Click) {
        click({group::Command1, 0});
      } else {
        press({group::Command1, 0}, action.value == 0 ? nf::Key::Enter : nf::Key::Space);
      }
      break;
    case Kind::Label:
      click({group::Label1, action.target});
      break;
  }
}

SeenWindow ModelFace::read() {
  SeenWindow seen;
  seen.count = drawn({group::List2}).selected;
  for (int form = 0; form < 2; ++form) {
    seen.options[static_cast<std::size_t>(form)] = drawn({group::Option1, form}).selected == form;
  }
  for (int row = 0; row < nf::kRowSlots; ++row) {
    const auto at = static_cast<std::size_t>(row);
    const Control parts[] = {{group::Text2, row}, {group::Label1, row}, {group::List1, row}};
    seen.values[at] = drawn(parts[2]).selected;
    seen.labels[at] = drawn(parts[0]).text;
    seen.shownControls[at] = 0;
    for (const Control& part : parts) {
      seen.shownControls[at] += drawn(part).shown ? 1 : 0;
    }
  }
  seen.box = nf::withLineFeeds(drawn({group::Text1, 0}).text);
  return seen;
}

std::string ModelFace::problem(const UserModel& /*expected*/) {
  if (!problem_.empty()) {
    return problem_;
  }
  for (const Control& control : nf::layout::stackingOrder()) {
    const nf::ControlView view = nf::viewOf(window_.state(), control);
    const Drawn& shown = drawn(control);
    if (shown.shown != view.shown || shown.selected != view.selected || shown.text != view.text ||
        shown.nameEnd != view.nameEnd) {
      return control.name() + " shows something else and no answer named it";
    }
  }
  return {};
}

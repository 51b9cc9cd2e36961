#include "model_face.h"

namespace {

nf::WindowChanges input(const UserAction& action, nf::WindowModel& window) {
  switch (action.kind) {
    case UserAction::Kind::Count:
      return window.chooseCount(action.target);
    case UserAction::Kind::Form:
      return window.chooseForm(action.target);
    case UserAction::Kind::Value:
      return window.chooseValue(action.target, action.value);
    case UserAction::Kind::Clear:
      return window.pressClear(0);
    case UserAction::Kind::Label:
      return window.clickLabel(action.target);
  }
  return {};
}

// Takes from `state` only the controls named in `changes`.
void redraw(nf::WindowState& copy, const nf::WindowState& state, const nf::WindowChanges& changes) {
  if (changes.countIndex) {
    copy.countIndex = state.countIndex;
  }
  if (changes.option) {
    copy.option = state.option;
  }
  for (std::size_t row = 0; row < 32; ++row) {
    if (changes.values[row]) {
      copy.values[row] = state.values[row];
    }
    if (changes.labels[row]) {
      copy.labels[row] = state.labels[row];
    }
    if (changes.shown[row]) {
      copy.shown[row] = state.shown[row];
    }
  }
  if (changes.result) {
    copy.result = state.result;
  }
}

}  // namespace

void ModelFace::open() {
  window_ = nf::WindowModel();
  redrawn_ = window_.state();
}

void ModelFace::perform(const UserAction& action, UserModel& /*expected*/) {
  redraw(redrawn_, window_.state(), input(action, window_));
}

SeenWindow ModelFace::read() {
  const nf::WindowState& state = window_.state();
  SeenWindow seen;
  seen.count = state.countIndex;
  seen.options = {state.option == 0, state.option == 1};
  for (std::size_t row = 0; row < 32; ++row) {
    seen.values[row] = state.values[row];
    seen.shownControls[row] = state.shown[row] ? 3 : 0;
    seen.labels[row] = std::string(state.labels[row]);
  }
  seen.box = withLineFeeds(state.result);
  return seen;
}

std::string ModelFace::problem(const UserModel& /*expected*/) {
  return redrawn_ == window_.state() ? std::string() : "a change was not reported";
}

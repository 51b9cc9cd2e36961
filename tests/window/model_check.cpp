#include "model_check.h"

nf::WindowChanges perform(const UserAction& action, nf::WindowModel& window) {
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

std::string difference(const nf::WindowState& shown, const UserModel& expected) {
  if (shown.countIndex != expected.countIndex()) {
    return "count index " + std::to_string(shown.countIndex) + ", expected " +
           std::to_string(expected.countIndex());
  }
  if (shown.option != expected.form()) {
    return "option " + std::to_string(shown.option) + ", expected " +
           std::to_string(expected.form());
  }
  for (int row = 0; row < 32; ++row) {
    const auto i = static_cast<std::size_t>(row);
    const std::string at = "row " + std::to_string(row);
    if (shown.shown[i] != (row < expected.shownRows())) {
      return at + (shown.shown[i] ? " shown" : " hidden");
    }
    if (shown.labels[i] != expected.label(row)) {
      return at + " labelled \"" + std::string(shown.labels[i]) + "\", expected \"" +
             expected.label(row) + "\"";
    }
    if (shown.values[i] != expected.value(row)) {
      return at + " holds " + std::to_string(shown.values[i]) + ", expected " +
             std::to_string(expected.value(row));
    }
  }
  if (shown.result != expected.boxText()) {
    return "the result box holds \"" + shown.result.substr(0, 80) + "...\", expected \"" +
           expected.boxText().substr(0, 80) + "...\"";
  }
  return {};
}

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

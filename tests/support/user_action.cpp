#include "user_action.h"

#include "user_model.h"

const char* arrowKey(const UserAction& action) {
  static const char* const kArrows[] = {"Left", "Right", "Up", "Down"};
  return kArrows[action.value % 4];
}

std::string UserAction::describe() const {
  static const char* const kWays[] = {"click", "arrows", "typing"};
  const std::string how = std::string(" by ") + kWays[static_cast<int>(way)];
  switch (kind) {
    case Kind::Count:
      return "count " + std::to_string(target + 3) + how;
    case Kind::Form:
      return std::string(target == 0 ? "ДНФ" : "КНФ") +
             (way == Way::Arrows ? std::string(" by ") + arrowKey(*this) + " on the other" : how);
    case Kind::Value:
      return "row " + std::to_string(target) + " := " + std::to_string(value) + how;
    case Kind::Clear:
      return way == Way::Click ? "Clear" : value == 0 ? "Enter on Clear" : "Space on Clear";
    case Kind::Label:
      return "click on Label1(" + std::to_string(target) + ")";
  }
  return "?";
}

UserAction randomAction(std::mt19937& random, const UserModel& model) {
  const auto pick = [&random](int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random);
  };
  const auto way = [&pick](int ways) { return static_cast<UserAction::Way>(pick(0, ways - 1)); };
  const int roll = pick(0, 99);
  const int row = pick(0, model.shownRows() - 1);
  if (roll < 20) {
    return {UserAction::Kind::Count, pick(0, 2), 0, way(3)};
  }
  if (roll < 32) {
    const int form = pick(0, 1);
    const bool arrows = pick(0, 2) == 0;
    return {UserAction::Kind::Form, form, pick(0, 3),
            arrows ? UserAction::Way::Arrows : UserAction::Way::Click};
  }
  if (roll < 90) {
    return {UserAction::Kind::Value, row, pick(0, 1), way(3)};
  }
  if (roll < 94) {
    const bool keys = pick(0, 1) == 0;
    return {UserAction::Kind::Clear, 0, pick(0, 1),
            keys ? UserAction::Way::Typed : UserAction::Way::Click};
  }
  return {UserAction::Kind::Label, roll < 97 ? row : 32, 0, UserAction::Way::Click};
}

bool possible(const UserAction& action, const UserModel& model) {
  const bool rowControl = action.kind == UserAction::Kind::Value ||
                          (action.kind == UserAction::Kind::Label && action.target < 32);
  return !rowControl || action.target < model.shownRows();
}

void apply(const UserAction& action, UserModel& model) {
  switch (action.kind) {
    case UserAction::Kind::Count:
      model.chooseCount(action.target);
      break;
    case UserAction::Kind::Form:
      model.chooseForm(action.target);
      break;
    case UserAction::Kind::Value:
      model.setValue(action.target, action.value);
      break;
    case UserAction::Kind::Clear:
      model.clear();
      break;
    case UserAction::Kind::Label:
      break;
  }
}

std::vector<UserAction> shrink(std::vector<UserAction> actions,
                               const std::function<bool(const std::vector<UserAction>&)>& fails) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t start = 0; start + chunk <= actions.size();) {
      std::vector<UserAction> fewer = actions;
      fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(start),
                  fewer.begin() + static_cast<std::ptrdiff_t>(start + chunk));
      if (fails(fewer)) {
        actions = std::move(fewer);
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

#pragma once

#include <vector>

#include "user_action.h"

/// A named list of user actions, one per row of the window's table of end states or one of its
/// edge cases. The model tests and the browser tests both replay them.
struct Scenario {
  const char* name;
  std::vector<UserAction> actions;
};

/// The scenarios that walk through every end state the window can reach.
const std::vector<Scenario>& endStateScenarios();

#include "session_runner.h"

#include <cstdlib>
#include <random>

#include "user_model.h"

std::string replay(Face& face, const std::vector<UserAction>& actions) {
  face.open();
  UserModel expected;
  std::string found = difference(face.read(), expected);
  if (!found.empty()) {
    return "as the window opens: " + found;
  }
  for (const UserAction& action : actions) {
    if (!possible(action, expected)) {
      continue;
    }
    face.perform(action, expected);
    apply(action, expected);
    found = face.problem(expected);
    if (found.empty()) {
      found = difference(face.read(), expected);
    }
    if (!found.empty()) {
      return "after " + action.describe() + ": " + found;
    }
  }
  return {};
}

std::vector<UserAction> randomSession(unsigned seed, int actions) {
  std::mt19937 random(seed);
  UserModel model;
  std::vector<UserAction> session;
  for (int step = 0; step < actions; ++step) {
    session.push_back(randomAction(random, model));
    apply(session.back(), model);
  }
  return session;
}

std::string runRandomSessions(Face& face, const SessionPlan& plan) {
  for (unsigned seed = plan.firstSeed; seed < plan.firstSeed + unsigned(plan.sessions); ++seed) {
    const std::vector<UserAction> actions = randomSession(seed, plan.actionsPerSession);
    const std::string found = replay(face, actions);
    if (found.empty()) {
      continue;
    }
    const auto stop = std::chrono::steady_clock::now() + plan.shrinking;
    const auto fails = [&face, stop](const std::vector<UserAction>& fewer) {
      return std::chrono::steady_clock::now() < stop && !replay(face, fewer).empty();
    };
    std::string steps;
    for (const UserAction& action : shrink(actions, fails)) {
      steps += "\n  " + action.describe();
    }
    return "seed " + std::to_string(seed) + ", " + found + "\nshortest run found:" + steps;
  }
  return {};
}

unsigned firstSeedFromEnvironment() {
  const char* seed = std::getenv("NF_MODEL_SEED");
  return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261208U;
}

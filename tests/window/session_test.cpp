// Seeded random sessions of user actions on the window model, checked after every action
// against the user model, and against a copy redrawn from the reported changes alone. A
// divergence is reported with its seed and the shortest list of actions found that still
// reproduces it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "model_check.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kSessions = 2'000;  // instrumented builds are several times slower
#else
constexpr int kSessions = 20'000;
#endif
constexpr int kActionsPerSession = 50;  // short sessions: the start state is visited often

// The divergence that `actions` end in on a fresh window, or an empty text.
std::string replay(const std::vector<UserAction>& actions) {
  nf::WindowModel window;
  nf::WindowState redrawn = window.state();
  UserModel expected;
  for (const UserAction& action : actions) {
    if (!possible(action, expected)) {
      continue;
    }
    const nf::WindowChanges changes = perform(action, window);
    apply(action, expected);
    redraw(redrawn, window.state(), changes);
    if (std::string found = difference(window.state(), expected); !found.empty()) {
      return found;
    }
    if (redrawn != window.state()) {
      return "a change was not reported";
    }
  }
  return {};
}

unsigned firstSeed() {
  const char* seed = std::getenv("NF_MODEL_SEED");
  return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261208U;
}

TEST(Sessions, RandomUserSessionsMatchTheUserModel) {
  const auto started = std::chrono::steady_clock::now();
  long performed = 0;
  for (unsigned seed = firstSeed(); seed < firstSeed() + kSessions; ++seed) {
    std::mt19937 random(seed);
    UserModel expected;
    std::vector<UserAction> actions;
    for (int step = 0; step < kActionsPerSession; ++step) {
      actions.push_back(randomAction(random, expected));
      apply(actions.back(), expected);
    }
    ++performed;
    if (const std::string found = replay(actions); !found.empty()) {
      std::string steps;
      const auto fails = [](const std::vector<UserAction>& fewer) {
        return !replay(fewer).empty();
      };
      for (const UserAction& action : shrink(actions, fails)) {
        steps += "\n  " + action.describe();
      }
      FAIL() << "seed " << seed << ": " << found << "\nshortest run found:" << steps;
    }
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  std::printf("%ld actions in %lld ms\n", performed * kActionsPerSession,
              static_cast<long long>(ms.count()));
}

}  // namespace

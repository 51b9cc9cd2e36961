// Seeded random sessions of user actions on the window model, checked after every action
// against the user model, and against a copy redrawn from the reported changes alone.
#include <gtest/gtest.h>

#include <chrono>

#include "model_face.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kSessions = 2'000;  // instrumented builds are several times slower
#else
constexpr int kSessions = 20'000;
#endif
constexpr int kActionsPerSession = 50;  // short sessions: the start state is visited often

TEST(Sessions, RandomUserSessionsMatchTheUserModel) {
  const auto started = std::chrono::steady_clock::now();
  ModelFace face;
  ASSERT_EQ("",
            runRandomSessions(face, {firstSeedFromEnvironment(), kSessions, kActionsPerSession}));
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  std::printf("%d actions in %lld ms\n", kSessions * kActionsPerSession,
              static_cast<long long>(ms.count()));
}

}  // namespace

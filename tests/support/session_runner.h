#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "seen_window.h"
#include "user_action.h"

class UserModel;

/// A face as the sessions drive it: the window model alone, the Qt window or the page. It
/// opens a fresh window, performs a user's action the way the action says, and reads what it
/// shows.
class Face {
 public:
  virtual ~Face() = default;

  /// A freshly opened window.
  virtual void open() = 0;
  /// Performs `action` as a user would. Input that selects on its way to the action's target
  /// (arrow keys pass the items between) tells `expected` of each of those selections; the
  /// runner applies the action itself afterwards.
  virtual void perform(const UserAction& action, UserModel& expected) = 0;
  /// What the window shows now.
  virtual SeenWindow read() = 0;
  /// Anything else wrong with the face after an action, beyond what it shows, where the user
  /// model expects `expected`; empty when none.
  virtual std::string problem(const UserModel& /*expected*/) { return {}; }
};

/// Replays `actions` on a freshly opened window, comparing it with the user model as it opens
/// and after every action; the first divergence, or an empty text. Actions that a shortened
/// list made impossible are passed over.
std::string replay(Face& face, const std::vector<UserAction>& actions);

/// The actions of the random session with seed `seed`.
std::vector<UserAction> randomSession(unsigned seed, int actions);

/// Sessions with seeds `firstSeed`, `firstSeed + 1`, ...: on the first divergence, the failure
/// with its seed and the shortest list of actions found within `shrinking` that still fails;
/// an empty text when every session matched the user model.
struct SessionPlan {
  unsigned firstSeed;
  int sessions;
  int actionsPerSession;
  std::chrono::seconds shrinking{60};
};
std::string runRandomSessions(Face& face, const SessionPlan& plan);

/// NF_MODEL_SEED when it is set, else the seed the suites use by default.
unsigned firstSeedFromEnvironment();

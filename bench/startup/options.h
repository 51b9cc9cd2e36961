#pragma once

#include <string>

namespace startup_bench {

/// The largest ratios normal-forms / floor that --check accepts.
inline constexpr double kStartupGoal = 1.20;
inline constexpr double kMemoryGoal = 1.10;

/// What the command line asks for.
struct Options {
  std::string program = NF_PROGRAM_PATH;
  std::string floor = NF_FLOOR_PATH;
  std::string xvfb = "Xvfb";
  int pairs = 15;
  int warmupPairs = 1;
  int settleMs = 1000;
  int mapTimeoutMs = 15000;
  int budgetS = 110;
  bool check = false;
};

/// Reads the command line; prints the usage and exits on --help (status 0) or on a bad
/// argument (status 2).
Options parseOptions(int argc, char* argv[]);

}  // namespace startup_bench

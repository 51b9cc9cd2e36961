#pragma once

#include <chrono>

namespace startup_bench {

using Clock = std::chrono::steady_clock;

/// Milliseconds from `start` to `end`, with the fraction kept.
inline double millisecondsSince(Clock::time_point start, Clock::time_point end) {
  return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace startup_bench

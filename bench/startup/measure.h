#pragma once

#include <string>

#include "options.h"
#include "process_stats.h"

namespace startup_bench {

class Watcher;

/// What one start of one program showed.
struct Run {
  double startupMs = 0;
  double cpuMs = 0;
  double drawnMs = 0;
  Memory memory;
  std::string title;
  int width = 0;
  int height = 0;
};

/// Starts `path`, times it to its window mapped, reads its memory `settleMs` later, ends it.
/// The program's output goes to the file `output`; its end is quoted in the std::runtime_error
/// thrown when the program maps no window or exits early.
Run measure(Watcher& watcher, const std::string& path, const Options& options, int output);

}  // namespace startup_bench

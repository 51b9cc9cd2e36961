#include "options.h"

#include <cstdio>
#include <cstdlib>

namespace startup_bench {

namespace {

[[noreturn]] void usage(int status) {
  std::fprintf(status == 0 ? stdout : stderr,
               "usage: startup-bench [--pairs N] [--warmup N] [--settle-ms MS] [--timeout-ms MS]\n"
               "                     [--budget-s S] [--program PATH] [--floor PATH] [--xvfb PATH]\n"
               "                     [--check]\n"
               "Times normal-forms and the toolkit's floor from start to window mapped, under\n"
               "a private Xvfb, in N interleaved pairs (default 15), and reads their resident\n"
               "memory MS after mapping (default 1000). --check fails when start-up ratio > %.2f\n"
               "or memory ratio > %.2f. The whole run stops after S seconds (default 110).\n",
               kStartupGoal, kMemoryGoal);
  std::exit(status);
}

}  // namespace

Options parseOptions(int argc, char* argv[]) {
  Options options;
  const auto value = [&](int& i) -> std::string {
    if (i + 1 >= argc) {
      usage(2);
    }
    return argv[++i];
  };
  const auto number = [&](int& i, int least) {
    const std::string text = value(i);
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || parsed < least || parsed > 1000000) {
      std::fprintf(stderr, "startup-bench: bad number '%s' for %s\n", text.c_str(), argv[i - 1]);
      usage(2);
    }
    return static_cast<int>(parsed);
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--pairs") {
      options.pairs = number(i, 1);
    } else if (arg == "--warmup") {
      options.warmupPairs = number(i, 0);
    } else if (arg == "--settle-ms") {
      options.settleMs = number(i, 0);
    } else if (arg == "--timeout-ms") {
      options.mapTimeoutMs = number(i, 100);
    } else if (arg == "--budget-s") {
      options.budgetS = number(i, 1);
    } else if (arg == "--program") {
      options.program = value(i);
    } else if (arg == "--floor") {
      options.floor = value(i);
    } else if (arg == "--xvfb") {
      options.xvfb = value(i);
    } else if (arg == "--check") {
      options.check = true;
    } else if (arg == "--help" || arg == "-h") {
      usage(0);
    } else {
      std::fprintf(stderr, "startup-bench: unknown argument '%s'\n", arg.c_str());
      usage(2);
    }
  }
  return options;
}

}  // namespace startup_bench

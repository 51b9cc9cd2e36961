#!/usr/bin/env bash
# Start-up benchmark in one command: builds normal-forms, the toolkit's floor and the measuring
# tool optimised, then compares the two programs' start-up time and resident memory under a
# private Xvfb. The one optional argument is the number of pairs (default 15). The build folder
# is build/bench unless NF_BENCH_BUILD_DIR names another.
set -euo pipefail
if (($# > 1)); then
  echo "usage: bench/startup.sh [PAIRS]" >&2
  exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NF_BENCH_BUILD_DIR:-$root/build/bench}"

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! { cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNF_BUILD_DESKTOP=ON \
  -DNF_BUILD_TESTS=OFF && cmake --build "$build" --target startup-bench; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "startup.sh: the build in $build failed (see above)." >&2
  exit 2
fi
"$build/bench/startup/startup-bench" "$@"

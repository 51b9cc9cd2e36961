#!/usr/bin/env bash
# Retakes docs/screenshot.png and docs/screenshot@2x.png: the program in a private Xvfb with four
# variables, ДНФ and rows 1, 6 and 9 set to 1. The tool that takes them (tests/screenshot) aims
# its clicks through the window's layout table and is built here with the program.
# Needs xvfb, xdotool and imagemagick, which scripts/test installs.
# Usage: docs/make-screenshots.sh [build-folder [output-folder]]   (default build/dev and docs)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/dev}"
out="${2:-$root/docs}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target window-screenshot >/dev/null
shoot="$build/tests/screenshot/window-screenshot"
"$shoot" "$out/screenshot.png" --scale 1
"$shoot" "$out/screenshot@2x.png" --scale 2
echo "wrote $out/screenshot.png and $out/screenshot@2x.png"

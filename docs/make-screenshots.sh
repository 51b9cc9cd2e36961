#!/usr/bin/env bash
# Takes docs/screenshot.png and docs/screenshot@2x.png of the built program under Xvfb:
# four variables, ДНФ, rows 1, 6 and 9 set to 1. Needs xvfb, xdotool and imagemagick.
# Usage: docs/make-screenshots.sh [path/to/normal-forms]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$root/build/dev/app/normal-forms}"

shoot() {
  local scale="$1" out="$2" display=90
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
  local xvfb=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  QT_SCALE_FACTOR="$scale" "$program" 2>/dev/null &
  local app=$!
  xdotool search --sync --onlyvisible --name "Информатика" >/dev/null
  sleep 0.5
  click() { xdotool mousemove $(($1 * scale)) $(($2 * scale)) click 1; sleep 0.1; }
  click 25 42 && xdotool key Down && sleep 0.1        # count list: 3, then 4
  for top in 53 156 218; do                           # rows 1, 6 and 9
    click 180 $((top + 8)) && xdotool key Down
  done
  sleep 0.3
  import -window root -crop "$((485 * scale))x$((477 * scale))+0+0" -depth 8 +repage "$out"
  kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

shoot 1 "$root/docs/screenshot.png"
shoot 2 "$root/docs/screenshot@2x.png"
echo "wrote docs/screenshot.png and docs/screenshot@2x.png"

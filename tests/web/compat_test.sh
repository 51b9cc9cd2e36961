#!/usr/bin/env bash
# The page's scripts against the oldest browsers it is for (web/tooling/.browserslistrc): every
# browser API they use is there (eslint-plugin-compat) and so is every piece of the language
# (es-check), in the scripts of the built page as it ships: the page's own and the program with
# the runtime Emscripten writes; and the built page's scripts are ASCII.
# Usage: compat_test.sh PAGE.html
set -euo pipefail
page=$1
tooling="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../web/tooling" && pwd)"
bin="$tooling/node_modules/.bin"
if [ ! -x "$bin/eslint" ] || [ ! -x "$bin/es-check" ]; then
  echo "SKIPPED: the page's checking tools are not installed (scripts/test installs them from npm)"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
node "$tooling/../page_parts.js" scripts "$page" "$work"
# The page's scripts are ASCII: the browser holds a script with a single other character as
# two-byte text, twice the memory, read more slowly.
if LC_ALL=C grep -qP '[^\x00-\x7F]' "$work"/page-script-*.js; then
  echo "FAIL: a script of $page holds characters outside ASCII:" \
    "$(LC_ALL=C grep -lP '[^\x00-\x7F]' "$work"/page-script-*.js | xargs -n1 basename)" >&2
  exit 1
fi
cd "$work"
export BROWSERSLIST_CONFIG="$tooling/.browserslistrc"
"$bin/eslint" --no-config-lookup -c "$tooling/eslint.config.js" ./*.js
"$bin/es-check" checkBrowser --browserslistPath "$BROWSERSLIST_CONFIG" --checkFeatures ./*.js
echo "no API or syntax missing in: $(grep -v '^#' "$BROWSERSLIST_CONFIG" | paste -sd, -)"

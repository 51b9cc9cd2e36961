#!/usr/bin/env bash
# The page's scripts against the oldest browsers it is for (web/tooling/.browserslistrc): every
# browser API they use is there (eslint-plugin-compat) and so is every piece of the language
# (es-check), both in the sources and in the built page, whose runtime Emscripten writes.
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
cp "$tooling"/../*.js "$work/"
node -e '
  const fs = require("fs");
  const page = fs.readFileSync(process.argv[1], "utf8");
  let n = 0;
  for (const found of page.matchAll(/<script[^>]*>([\s\S]*?)<\/script>/g)) {
    fs.writeFileSync(`${process.argv[2]}/page-script-${n++}.js`, found[1]);
  }
  if (n === 0) throw new Error("the page has no script");' "$page" "$work"
cd "$work"
export BROWSERSLIST_CONFIG="$tooling/.browserslistrc"
"$bin/eslint" --no-config-lookup -c "$tooling/eslint.config.js" ./*.js
"$bin/es-check" checkBrowser --browserslistPath "$BROWSERSLIST_CONFIG" --checkFeatures ./*.js
echo "no API or syntax missing in: $(grep -v '^#' "$BROWSERSLIST_CONFIG" | paste -sd, -)"

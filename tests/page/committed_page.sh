#!/usr/bin/env bash
# The page the repository keeps for teachers to download is the page this source builds, byte
# for byte; when it is not, says so and names the command that rewrites it.
# Usage: committed_page.sh COMMITTED.html BUILT.html
set -euo pipefail
committed=$1
built=$2
rewrite="cmake --build --preset web --target update-committed-page"

if [ ! -f "$built" ]; then
  echo "FAIL: $built is missing: build it with cmake --preset web && cmake --build --preset web" >&2
  exit 1
fi
if [ ! -f "$committed" ]; then
  echo "FAIL: $committed is missing: write it with $rewrite, then commit it" >&2
  exit 1
fi
if cmp -s "$committed" "$built"; then
  echo "the committed page is the built one: $(sha256sum <"$built" | cut -d' ' -f1)"
  exit 0
fi
echo "FAIL: $committed is not the page this source builds ($built)." >&2
echo "Build the page (cmake --build --preset web); if it still differs, rewrite the committed" >&2
echo "copy with: $rewrite" >&2
echo "and commit it. The page names the newest commit that changed its sources: commit those" >&2
echo "first, then rewrite the page and commit it alone. committed: $(sha256sum <"$committed" | cut -d' ' -f1)," \
  "built: $(sha256sum <"$built" | cut -d' ' -f1)" >&2
exit 1

#!/usr/bin/env bash
# The page the repository keeps for teachers to download is the page this source builds, byte
# for byte: the page is built first in the web build's own folder, so that a copy left stale by
# a change to the page's sources always fails. Where the web build has not been configured (no
# Emscripten), skips with status 77, unless CI is set.
# Usage: committed_page.sh COMMITTED.html WEB-BUILD-FOLDER
set -euo pipefail
committed=$1
build=$2
built="$build/normal-forms.html"
rewrite="cmake --build --preset web --target update-committed-page"

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "SKIPPED: $build is not configured: cmake --preset web (needs Emscripten)" >&2
  [ -n "${CI:-}" ] && exit 1
  exit 77
fi
if ! cmake --build "$build" --target normal-forms-page >"$build/committed-page.log" 2>&1; then
  cat "$build/committed-page.log" >&2
  echo "FAIL: the page does not build" >&2
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
echo "Rewrite it with: $rewrite" >&2
echo "and commit it. The page names the newest commit that changed its sources: commit those" >&2
echo "first, then rewrite the page and commit it alone." \
  "committed: $(sha256sum <"$committed" | cut -d' ' -f1)," \
  "built: $(sha256sum <"$built" | cut -d' ' -f1)" >&2
exit 1

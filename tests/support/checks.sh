# shellcheck shell=bash
# What the shell tests share: a scratch folder removed at exit, and failures counted so that one
# run reports every check that failed. Sourced by the tests in tests/cli and tests/package.

# Stops the test when a tool it needs is missing; `$1` names the package that brings them.
nf_require_tools() {
  local package=$1 tool
  shift
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "FAIL: $tool is missing (scripts/setup.sh installs $package)" >&2
      exit 1
    fi
  done
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

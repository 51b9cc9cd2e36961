#!/usr/bin/env bash
# The program's command line with no display: each case's exit status and its exact standard
# output and standard error. A case that wrongly started Qt would find no display and abort.
# Usage: command_line_test.sh PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
try=$'Try \'normal-forms --help\' for more information.\n'
dnf=$'Дизюнктивната нормална форма е представена като\nдизюнкция от следните конюнкции - с терми = True: \n'
knf=$'Конюнктивната нормална форма е представена като\nконюнкция от следните дизюнкции - с терми = True: \n'

# expect STATUS STDOUT STDERR ARGUMENT...
expect() {
  local status=$1 out=$2 err=$3
  shift 3
  timeout 10 "$program" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" -ne "$status" ] || ! cmp -s "$work/out" <(printf '%s' "$out") ||
    ! cmp -s "$work/err" <(printf '%s' "$err"); then
    fail "normal-forms $*: exit $got (expected $status)"
    diff -u <(printf '%s' "$out") "$work/out" | sed 's/^/  stdout /' >&2
    diff -u <(printf '%s' "$err") "$work/err" | sed 's/^/  stderr /' >&2
  fi
}

expect 0 "normal-forms $version"$'\n' '' --version
expect 0 "$dnf"$'(!A ^ !B ^ C)\n v (!A ^ B ^ !C)\n v (A ^ !B ^ !C)\n v (A ^ B ^ C)\n' '' \
  --print dnf-01101001
expect 0 "$knf"$'(!A v B v C)\n ^ (A v B v C)\n' '' '--print=KNF-0001 0001'
expect 0 "$dnf" '' --pr dnf-0000000000000000
expect 2 '' "normal-forms: unrecognized option '--foo'"$'\n'"$try" --foo dnf-01101001
expect 2 '' "normal-forms: invalid option -- 'p'"$'\n'"$try" -p dnf-01101001
expect 2 '' "normal-forms: option '--print' requires an argument"$'\n'"$try" --print
expect 2 '' "normal-forms: option '--help' doesn't allow an argument"$'\n'"$try" --help=all
expect 2 '' "normal-forms: extra operand 'knf-01101001'"$'\n'"$try" dnf-01101001 knf-01101001
expect 2 '' $'normal-forms: 12 values: a function of 3, 4 or 5 variables has 8, 16 or 32\n' \
  --print dnf-011010010110
expect 2 '' $'normal-forms: a value is 0 or 1, found 2 at position 5\n' dnf-01102001
expect 2 '' $'normal-forms: the form is dnf or knf\n' cnf-01101001

help=$(timeout 10 "$program" --help 2>&1)
[[ $? -eq 0 && $help == "Usage: normal-forms [CODE]"* && $help == *ДНФ*КНФ* ]] ||
  fail "--help is not the usage naming ДНФ and КНФ: $help"
# A report that cannot be written is no success.
if timeout 10 "$program" --print dnf-01101001 >/dev/full 2>"$work/err" ||
  [ "$(cat "$work/err")" != "normal-forms: write error" ]; then
  fail "--print into a full disk: $(cat "$work/err")"
fi

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed" >&2; exit 1; }
echo "all command-line cases passed"

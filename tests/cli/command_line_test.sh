#!/usr/bin/env bash
# The program's command line with no display, each case in English (C.UTF-8) and in Bulgarian
# (bg_BG.UTF-8): the exit status, the stream each text goes to and its exact words. getopt_long's
# refusals are glibc's own, read here from glibc's catalogue with gettext(1). A case that wrongly
# started Qt would find no display.
# Usage: command_line_test.sh PROGRAM VERSION
# Exit status: 0 when every case passes, 1 on a failure, 77 (skipped) when the Bulgarian locale
# can be neither found nor generated and every English case passed.
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM LANGUAGE LANG LOCPATH
unset LC_CTYPE LC_MESSAGES LC_NUMERIC LC_COLLATE
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

# The Bulgarian locale: the system's, or one generated into the scratch folder.
bg_locpath=
if ! locale -a 2>/dev/null | grep -qix 'bg_BG.utf-\?8'; then
  mkdir -p "$work/locale"
  if command -v localedef >/dev/null && [ -e /usr/share/i18n/locales/bg_BG ] &&
    localedef -i bg_BG -f UTF-8 "$work/locale/bg_BG.UTF-8" >/dev/null 2>&1; then
    bg_locpath=$work/locale
  else
    bg_locpath=none
  fi
fi
locales=(C.UTF-8)
[ "$bg_locpath" = none ] || locales+=(bg_BG.UTF-8)

# in_locale LOCALE COMMAND...: runs in that locale, a generated Bulgarian one included.
in_locale() {
  local locale=$1
  shift
  if [ "$locale" = bg_BG.UTF-8 ] && [ -n "$bg_locpath" ]; then
    LC_ALL=$locale LOCPATH=$bg_locpath "$@"
  else
    LC_ALL=$locale "$@"
  fi
}
# glibc LOCALE MSGID ARGUMENT...: glibc's own message, as its catalogue has it in LOCALE.
glibc() {
  local locale=$1 msgid=$2
  shift 2
  # shellcheck disable=SC2059 # the message is the format
  printf "$(in_locale "$locale" gettext -d libc -- "$msgid")\n" normal-forms "$@"
}

# expect LOCALE STATUS STDOUT STDERR ARGUMENT...
expect() {
  local locale=$1 status=$2 out=$3 err=$4
  shift 4
  in_locale "$locale" timeout 10 "$program" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" -ne "$status" ] || ! cmp -s "$work/out" <(printf '%s' "$out") ||
    ! cmp -s "$work/err" <(printf '%s' "$err"); then
    fail "[$locale] normal-forms $*: exit $got (expected $status)"
    diff -u <(printf '%s' "$out") "$work/out" | sed 's/^/  stdout /' >&2
    diff -u <(printf '%s' "$err") "$work/err" | sed 's/^/  stderr /' >&2
  fi
}
# refused STATUS ENGLISH BULGARIAN ARGUMENT...: one line on standard error in each language.
refused() {
  local status=$1 english=$2 bulgarian=$3
  shift 3
  expect C.UTF-8 "$status" '' "$english"$'\n' "$@"
  [ "$bg_locpath" = none ] || expect bg_BG.UTF-8 "$status" '' "$bulgarian"$'\n' "$@"
}
try_en="Try 'normal-forms --help' for more information."
try_bg='За повече информация изпълнете „normal-forms --help“.'
# misused GLIBC-MSGID ARGUMENT...: getopt_long's refusal and the pointer to --help, status 2.
misused() {
  local msgid=$1 option=$2
  shift 2
  local -a text=()
  for locale in "${locales[@]}"; do text+=("$(glibc "$locale" "$msgid" "$option")"); done
  refused 2 "${text[0]}"$'\n'"$try_en" "${text[1]-}"$'\n'"$try_bg" "$@"
}
# printed STDOUT ARGUMENT...: the report, the same in every language.
printed() {
  local out=$1
  shift
  for locale in "${locales[@]}"; do expect "$locale" 0 "$out" '' "$@"; done
}

dnf=$'Дизюнктивната нормална форма е представена като\nдизюнкция от следните конюнкции - с терми = True: \n'
knf=$'Конюнктивната нормална форма е представена като\nконюнкция от следните дизюнкции - с терми = True: \n'
printed "$dnf"$'(!A ^ !B ^ C)\n v (!A ^ B ^ !C)\n v (A ^ !B ^ !C)\n v (A ^ B ^ C)\n' \
  --print dnf-01101001
printed "$knf"$'(!A v B v C)\n ^ (A v B v C)\n' '--print=KNF-0001 0001'
printed "$dnf" --pr dnf-0000000000000000

misused "%s: unrecognized option '%s%s'"$'\n' "--foo" --foo dnf-01101001
misused "%s: invalid option -- '%c'"$'\n' p -p dnf-01101001
misused "%s: option '%s%s' requires an argument"$'\n' --print --print
misused "%s: option '%s%s' doesn't allow an argument"$'\n' --help --help=all
refused 2 "normal-forms: extra operand 'knf-01101001'"$'\n'"$try_en" \
  "normal-forms: излишен операнд „knf-01101001“"$'\n'"$try_bg" dnf-01101001 knf-01101001
# The codes keep their order among the options.
refused 2 "normal-forms: extra operand 'dnf-0'"$'\n'"$try_en" \
  "normal-forms: излишен операнд „dnf-0“"$'\n'"$try_bg" knf-01101001 --print dnf-0
# Outside text shown back in a code, as an option and as an extra operand: valid UTF-8 as it
# is, every other byte and every control by its code. A code's message names the first alone.
while read -r bytes shown; do
  sequence=$(printf '%b' "$bytes")
  refused 2 "normal-forms: a value is 0 or 1, found ${shown%%>*}> at position 5" \
    "normal-forms: стойността е 0 или 1, а на позиция 5 има „${shown%%>*}>“" "dnf-0110${sequence}001"
  refused 2 "normal-forms: the argument '--${shown}foo' is not plain text"$'\n'"$try_en" \
    "normal-forms: аргументът „--${shown}foo“ не е обикновен текст"$'\n'"$try_bg" "--${sequence}foo"
  refused 2 "normal-forms: extra operand '$shown'"$'\n'"$try_en" \
    "normal-forms: излишен операнд „$shown“"$'\n'"$try_bg" dnf-01101001 "$sequence"
done <<'SEQUENCES'
\x01             <U+0001>
\xc2\x9b         <U+009B>
\xc2\x85         <U+0085>
\xe2\x80\xae     <U+202E>
\xe2\x80\xa8     <U+2028>
\xed\xa0\x80     <0xED><0xA0><0x80>
\xe0\x80\xaf     <0xE0><0x80><0xAF>
\xf4\x90\x80\x80 <0xF4><0x90><0x80><0x80>
SEQUENCES

refused 2 'normal-forms: 12 values: a function of 3, 4 or 5 variables has 8, 16 or 32' \
  'normal-forms: 12 стойности: функция на 3, 4 или 5 променливи има 8, 16 или 32' \
  --print dnf-011010010110
refused 2 'normal-forms: 1 value: a function of 3, 4 or 5 variables has 8, 16 or 32' \
  'normal-forms: 1 стойност: функция на 3, 4 или 5 променливи има 8, 16 или 32' knf-1
refused 2 'normal-forms: a value is 0 or 1, found 2 at position 5' \
  'normal-forms: стойността е 0 или 1, а на позиция 5 има „2“' dnf-01102001
refused 2 'normal-forms: the form is dnf or knf' 'normal-forms: видът е dnf или knf' cnf-01101001
# "--" ends the options: what follows is a code, even an option's name.
refused 2 'normal-forms: the form is dnf or knf' 'normal-forms: видът е dnf или knf' -- --help
refused 2 'normal-forms: a dash follows the form, as in knf-01101001' \
  'normal-forms: след вида следва тире, както в knf-01101001' --print=knf
refused 2 'normal-forms: the code is empty' 'normal-forms: кодът е празен' --print=
refused 2 'normal-forms: the code ends in _' 'normal-forms: кодът завършва на „_“' dnf-01101001_
refused 2 'normal-forms: the code is longer than 200 characters' \
  'normal-forms: кодът е по-дълъг от 200 знака' "dnf-$(printf '0%.0s' {1..300})"

# No display: one line naming --print and status 1, whether no display is named or the one
# named has no server. The test's own Xvfb is never :97 or above while one is free.
no_display_en="normal-forms: no display to open the window on; --print CODE writes a function's normal form without one"
no_display_bg='normal-forms: няма дисплей, на който да се отвори прозорецът; --print КОД извежда нормалната форма на функция и без дисплей'
refused 1 "$no_display_en" "$no_display_bg"
refused 1 "$no_display_en" "$no_display_bg" dnf-01101001
free=97
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
DISPLAY=:$free refused 1 "$no_display_en" "$no_display_bg" knf-01101001
# Any other failure of Qt's start is Qt's own reason, never "no display": a platform plugin that
# is not there, or one whose library cannot be loaded.
mkdir -p "$work/broken" && : >"$work/broken/libQt6XcbQpa.so.6"
for environment in QT_QPA_PLATFORM=nosuchplugin "DISPLAY=:$free LD_LIBRARY_PATH=$work/broken"; do
  # shellcheck disable=SC2086 # one or two assignments
  LC_ALL=C.UTF-8 env $environment timeout 10 "$program" >"$work/out" 2>"$work/err"
  status=$?
  if [ "$status" -ne 1 ] || [ -s "$work/out" ] || grep -qv '^normal-forms: ' "$work/err" ||
    grep -qF "$no_display_en" "$work/err" ||
    ! grep -q '^normal-forms: Available platform plugins are: .*xcb' "$work/err"; then
    fail "$environment: exit $status, not Qt's reason alone: $(cat "$work/out" "$work/err")"
  fi
done

# --help and --version on standard output; in Bulgarian every line of text is translated, so
# the two languages share only blank lines and the example's command.
for locale in "${locales[@]}"; do
  in_locale "$locale" timeout 10 "$program" --he >"$work/help-$locale" 2>"$work/err" ||
    fail "[$locale] --help: exit $?"
  [ -s "$work/err" ] && fail "[$locale] --help wrote to standard error: $(cat "$work/err")"
  in_locale "$locale" timeout 10 "$program" --v >"$work/version-$locale" 2>&1 ||
    fail "[$locale] --version: exit $?"
  [ "$(head -n 1 "$work/version-$locale")" = "normal-forms $version" ] ||
    fail "[$locale] --version's first line: $(head -n 1 "$work/version-$locale")"
done
[[ $(cat "$work/help-C.UTF-8") == "Usage: normal-forms [CODE]"*ДНФ*КНФ* ]] ||
  fail "--help is not the usage naming ДНФ and КНФ: $(cat "$work/help-C.UTF-8")"
grep -q '^Copyright (C) 2026 ' "$work/version-C.UTF-8" || fail "--version names no copyright"
if [ "$bg_locpath" != none ]; then
  [[ $(cat "$work/help-bg_BG.UTF-8") == "Употреба: normal-forms [КОД]"*ДНФ*КНФ* ]] ||
    fail "Bulgarian --help is not the usage: $(cat "$work/help-bg_BG.UTF-8")"
  shared=$(comm -12 <(sort -u "$work/help-C.UTF-8") <(sort -u "$work/help-bg_BG.UTF-8") |
    grep -vx -e '' -e '  normal-forms --print knf-0110100110010110 > answer.txt')
  [ -z "$shared" ] || fail "lines of --help left in English under Bulgarian: $shared"
  cmp -s <(tail -n +2 "$work/version-C.UTF-8") <(tail -n +2 "$work/version-bg_BG.UTF-8") &&
    fail "--version's lines are not translated"
fi

# A report that cannot be written is no success.
for locale in "${locales[@]}"; do
  in_locale "$locale" timeout 10 "$program" --print dnf-01101001 >/dev/full 2>"$work/err-$locale"
  [ $? -eq 1 ] || fail "[$locale] --print into a full disk did not exit 1"
done
[ "$(cat "$work/err-C.UTF-8")" = "normal-forms: write error" ] ||
  fail "--print into a full disk: $(cat "$work/err-C.UTF-8")"
[ "$bg_locpath" = none ] || [ "$(cat "$work/err-bg_BG.UTF-8")" = "normal-forms: грешка при запис" ] ||
  fail "--print into a full disk, in Bulgarian: $(cat "$work/err-bg_BG.UTF-8")"

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed" >&2; exit 1; }
if [ "$bg_locpath" = none ]; then
  echo "SKIPPED: no bg_BG.UTF-8 locale and none could be generated (scripts/setup.sh installs" \
    "the locales package); the English cases passed."
  exit 77
fi
echo "all command-line cases passed in C.UTF-8 and bg_BG.UTF-8"

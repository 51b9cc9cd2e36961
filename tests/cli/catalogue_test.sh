#!/usr/bin/env bash
# The catalogues against the sources: po/normal-forms.pot is what xgettext makes from them
# today, every catalogue holds every one of its texts, translated and none fuzzy, and msgfmt
# accepts each with its format checks.
# Usage: catalogue_test.sh SOURCE-DIR XGETTEXT-OPTION... -- SOURCE...
set -uo pipefail
source_dir=$1
shift
options=()
while [ "$#" -gt 0 ] && [ "$1" != -- ]; do
  options+=("$1")
  shift
done
shift
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
nf_require_tools gettext xgettext msgcmp msgfmt

cd "$source_dir" || exit 1
xgettext "${options[@]}" -o "$work/normal-forms.pot" "$@" || fail "xgettext failed"
# The template's date is the only line that changes when nothing else did.
undated() { grep -v '^"POT-Creation-Date: ' "$1"; }
if ! diff -u <(undated po/normal-forms.pot) <(undated "$work/normal-forms.pot") >"$work/pot.diff"; then
  fail "po/normal-forms.pot is not what the sources give (cmake --build --preset ci --target update-po):"
  cat "$work/pot.diff" >&2
fi
texts=$(grep -c '^msgid ' "$work/normal-forms.pot")
texts=$((texts - 1)) # the header
for po in po/*.po; do
  msgcmp "$po" "$work/normal-forms.pot" 2>"$work/msgcmp" ||
    fail "$po lacks texts of the sources: $(cat "$work/msgcmp")"
  statistics=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1)
  echo "$po: $statistics"
  [ "$statistics" = "$texts translated messages." ] ||
    fail "$po: expected all $texts texts translated, none fuzzy: $statistics"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "every catalogue matches the sources"

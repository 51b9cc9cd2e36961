#!/usr/bin/env bash
# Builds the .deb from this build tree in a scratch folder and checks what a classroom machine
# gets from it: exactly the program, its menu entry, icons, documentation and software-centre
# listing, and the packages it needs; then Debian's own checker and AppStream's validator.
# Usage: check_deb.sh CPACK CPackConfig.cmake
# Exit status: 0 when all checks pass, 1 on a failure, 77 (skipped) when lintian or appstreamcli
# is missing and everything else passed.
set -euo pipefail

cpack=$1
config=$2
icon_sizes=(32 48 64 128 256)
app_id=org.example.NormalForms

source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
nf_require_tools "the package group" ar dpkg-deb dpkg-query dpkg-parsechangelog objdump \
  desktop-file-validate file convert msgunfmt msgfmt

if ! "$cpack" --config "$config" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
if [ "${#debs[@]}" -ne 1 ]; then
  cat "$work/cpack.log" >&2
  echo "FAIL: expected one .deb from cpack, found ${#debs[@]}" >&2
  exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

# --- Files: exactly these, nothing more (no build helpers, no test programs).
expected=(usr/bin/normal-forms "usr/share/applications/$app_id.desktop"
  "usr/share/metainfo/$app_id.metainfo.xml" usr/share/man/man1/normal-forms.1.gz
  usr/share/man/bg/man1/normal-forms.1.gz usr/share/locale/bg/LC_MESSAGES/normal-forms.mo
  usr/share/doc/normal-forms/copyright usr/share/doc/normal-forms/changelog.gz)
for size in "${icon_sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/normal-forms.png")
done
dpkg-deb -c "$deb" >"$work/contents"
awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $6 }' "$work/contents" | sort >"$work/files"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
if ! diff -u "$work/expected" "$work/files" >"$work/files.diff"; then
  fail "the package's files are not the expected ones (- missing, + unexpected):"
  cat "$work/files.diff" >&2
fi
if ! grep -Eq '^-rwxr-xr-x .* \./usr/bin/normal-forms$' "$work/contents"; then
  fail "usr/bin/normal-forms is not an executable file for everyone"
fi

# --- What makes two builds of one commit the same bytes: every member of the package and of its
# file archive carries the commit's time, and the modes depend on no umask.
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck disable=SC1091
epoch=$(source "$root/scripts/setup.sh" && nf_source_date_epoch "$root")
stamp=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
odd_times=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | grep -Fvc " $stamp ./" || true)
[ "$odd_times" -eq 0 ] || fail "$odd_times file(s) in the package do not carry the commit's time, $stamp"
if dpkg-deb -c "$deb" | grep -Ev '^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x) root/root ' >"$work/modes"; then
  fail "files with other modes or owners than 0755, 0644 and root:"
  cat "$work/modes" >&2
fi
ar tv "$deb" | grep -Ev "^rw-r--r-- 0/0 " >"$work/members" &&
  fail "package members not 0644 root: $(cat "$work/members")"
TZ=UTC LC_ALL=C ar tv "$deb" | grep -Fvq "$(TZ=UTC LC_ALL=C date -d "@$epoch" '+%b %e %H:%M %Y')" &&
  fail "package members do not carry the commit's time"

# --- Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = normal-forms ] || fail "Package is '$(field Package)', not normal-forms"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)', not education"
arch=$(dpkg --print-architecture)
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', not $arch"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
echo "Depends: $depends"
# The package names in Depends, alternatives included, without versions.
tr ',|' '\n' <<<"$depends" | sed -E 's/^ +//; s/[ (:].*$//' | sed '/^$/d' | sort -u >"$work/depends"
depends_on() { grep -Fqx "$1" "$work/depends"; }
grep -Eqx 'libqt6widgets6(t64)?' "$work/depends" ||
  fail "Depends names no Qt 6 widgets library package"
depends_on 'fonts-liberation2' || fail "Depends lacks fonts-liberation2"
# Qt's Bulgarian texts for its own menus: Depends names the package that ships them here.
catalogue_owner=$({ dpkg-query -S '*/qtbase_bg.qm' 2>/dev/null || true; } | sed -E 's/[:,].*$//' |
  head -n 1)
if [ -z "$catalogue_owner" ]; then
  fail "no installed package ships qtbase_bg.qm (scripts/setup.sh installs it)"
else
  depends_on "$catalogue_owner" || fail "Depends lacks $catalogue_owner, which ships qtbase_bg.qm"
fi

# Every shared library the packaged program loads must come from a package in Depends: read the
# program's own ELF header and ask dpkg which installed package ships each library.
dpkg-deb -x "$deb" "$work/root"
objdump -p "$work/root/usr/bin/normal-forms" | awk '$1 == "NEEDED" { print $2 }' >"$work/needed"
[ -s "$work/needed" ] || fail "objdump found no shared libraries in usr/bin/normal-forms"
if objdump -p "$work/root/usr/bin/normal-forms" | grep -Eq '^ *(RPATH|RUNPATH) '; then
  fail "usr/bin/normal-forms carries a library search path of its own"
fi
while read -r soname; do
  owners=$({ dpkg-query -S "*/$soname" 2>/dev/null || true; } | sed -E 's/: .*$//' |
    tr ',' '\n' | sed -E 's/^ +//; s/:.*$//' | sort -u)
  if [ -z "$owners" ]; then
    fail "no installed package ships $soname"
    continue
  fi
  found=0
  for owner in $owners; do
    if depends_on "$owner"; then found=1; fi
  done
  [ "$found" -eq 1 ] ||
    fail "$soname comes from $(echo "$owners" | tr '\n' ' ')but Depends has none of them"
done <"$work/needed"

# --- Desktop entry: valid, and it starts the packaged program with the packaged icon.
desktop="$work/root/usr/share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
  if ! desktop-file-validate "$desktop" >"$work/validate" 2>&1 || [ -s "$work/validate" ]; then
    fail "desktop-file-validate rejects or warns about the desktop file:"
    cat "$work/validate" >&2
  fi
  key() { sed -n "s/^$1=//p" "$desktop"; }
  exec_cmd=$(key Exec | awk '{ print $1 }')
  if [ -z "$exec_cmd" ] || [ ! -f "$work/root/usr/bin/$exec_cmd" ] ||
    [ ! -x "$work/root/usr/bin/$exec_cmd" ]; then
    fail "Exec=$(key Exec) does not start a program of the package"
  fi
  icon=$(key Icon)
  for size in "${icon_sizes[@]}"; do
    [ -f "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] ||
      fail "Icon=$icon has no ${size}x${size} picture in the package"
  done
  [ "$(key Terminal)" = false ] || fail "Terminal is not false"
  grep -qx 'Categories=.*Education;.*' "$desktop" || fail "Categories lacks Education"
fi

# --- Icons: PNGs of their folder's size (32 px in 256 colours, the others with alpha), and the
# same picture at every size: each one, shrunk to 8 x 8, is close to the 256 px one shrunk alike.
big="$work/root/usr/share/icons/hicolor/256x256/apps/normal-forms.png"
for size in "${icon_sizes[@]}"; do
  png="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/normal-forms.png"
  [ -f "$png" ] || continue
  kind=$(file -b "$png")
  case "$kind" in
    "PNG image data, $size x $size, "*) ;;
    *) fail "the ${size}x${size} icon is: $kind" ;;
  esac
  if [ "$size" -eq 32 ]; then
    [[ "$kind" == *"8-bit colormap"* ]] || fail "the 32x32 icon is not in 256 colours: $kind"
  else
    [[ "$kind" == *RGBA* ]] || fail "the ${size}x${size} icon has no alpha: $kind"
  fi
  opaque=$(convert "$png" -alpha extract -format '%[fx:mean]' info:)
  awk -v v="$opaque" 'BEGIN { exit !(v > 0.3 && v < 0.8) }' ||
    fail "the ${size}x${size} icon covers $opaque of its square (an empty or a filled square?)"
  if [ -f "$big" ]; then
    distance=$(convert "$png" -filter box -resize 8x8 \( "$big" -filter box -resize 8x8 \) \
      -metric RMSE -compare -format '%[distortion]' info:)
    awk -v d="$distance" 'BEGIN { exit !(d < 0.05) }' ||
      fail "the ${size}x${size} icon differs from the 256x256 one (RMSE $distance at 8 x 8)"
  fi
done

# --- The version a user reads in the changelog and in the software centre is the package's.
version=$(field Version)
changelog="$work/root/usr/share/doc/normal-forms/changelog.gz"
if [ -f "$changelog" ]; then
  logged=$(gzip -dc "$changelog" | dpkg-parsechangelog -l - -S Version 2>/dev/null || true)
  [ "$logged" = "$version" ] || fail "the changelog's newest entry is '$logged', not $version"
fi
metainfo="$work/root/usr/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
  released=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
  [ "$released" = "$version" ] || fail "the metainfo's newest release is '$released', not $version"
fi

# --- The command line in Bulgarian: the catalogue holds only translated texts, and the packaged
# program finds it where the package puts it (LANGUAGE chooses it without a Bulgarian locale).
mo="$work/root/usr/share/locale/bg/LC_MESSAGES/normal-forms.mo"
if [ -f "$mo" ]; then
  statistics=$(msgunfmt "$mo" | LC_ALL=C msgfmt --statistics -o /dev/null - 2>&1)
  [[ $statistics =~ ^[1-9][0-9]*\ translated\ messages\.$ ]] ||
    fail "the Bulgarian catalogue: $statistics"
  refusal=$(LC_ALL=C.UTF-8 LANGUAGE=bg "$work/root/usr/bin/normal-forms" --print=cnf-0 2>&1 || true)
  [ "$refusal" = "normal-forms: видът е dnf или knf" ] ||
    fail "the packaged program does not answer in Bulgarian: $refusal"
fi
# The Bulgarian manual page says what the English one says: the same sections, options, lists
# and examples, word for word where they are commands; its headings are Bulgarian.
man_en="$work/root/usr/share/man/man1/normal-forms.1.gz"
man_bg="$work/root/usr/share/man/bg/man1/normal-forms.1.gz"
if [ -f "$man_en" ] && [ -f "$man_bg" ]; then
  macros() { gzip -dc "$1" | grep -oE '^\.(SH|TP|TQ|IP|PP|EX|RS|UR)\b' | sort | uniq -c; }
  examples() { gzip -dc "$1" | sed -n '/^\.EX$/,/^\.EE$/p'; }
  options() { gzip -dc "$1" | grep -v '^\.SH' | grep -oE '\\-\\-[a-z]+|\b(dnf|knf)\\-[01]+|\b[A-Z_]{4,}\b' | sort | uniq -c; }
  for part in macros examples options; do
    diff <("$part" "$man_en") <("$part" "$man_bg") >"$work/man.diff" ||
      fail "the Bulgarian manual page's $part differ from the English one's: $(cat "$work/man.diff")"
  done
  gzip -dc "$man_bg" | grep -qx '\.SH ИМЕ' || fail "the Bulgarian manual page has no Bulgarian NAME"
fi

# --- The copyright file is machine-readable (lintian reads only that it is there).
head -n 1 "$work/root/usr/share/doc/normal-forms/copyright" 2>/dev/null |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file does not start with the machine-readable format's Format line"

# --- Debian's and AppStream's own checkers. Pedantic and info tags are shown, not failed.
missing_checkers=()
if command -v lintian >/dev/null; then
  if ! lintian --fail-on error,warning --display-info --pedantic "$deb" >"$work/lintian" 2>&1; then
    fail "lintian reports errors or warnings:"
    cat "$work/lintian" >&2
  else
    grep -E '^[A-Z]: ' "$work/lintian" | sed 's/^/lintian: /' || true
  fi
else
  missing_checkers+=(lintian)
fi
if command -v appstreamcli >/dev/null; then
  # The whole tree, so that the metainfo's launchable must name a desktop file of the package.
  if ! appstreamcli validate-tree --no-net --pedantic "$work/root" >"$work/appstream" 2>&1; then
    fail "appstreamcli rejects the software-centre listing:"
    cat "$work/appstream" >&2
  else
    grep -E '^ +[A-Z]: ' "$work/appstream" | sed -E 's/^ +/appstreamcli: /' || true
  fi
else
  missing_checkers+=(appstreamcli)
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
if [ "${#missing_checkers[@]}" -ne 0 ]; then
  names=$(printf '%s and ' "${missing_checkers[@]}")
  echo "SKIPPED: this machine lacks ${names% and }, which scripts/setup.sh installs;" \
    "the other checks passed."
  exit 77
fi
echo "all package checks passed"

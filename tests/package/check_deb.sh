#!/usr/bin/env bash
# Checks what a classroom machine gets from the package that scripts/package built into a folder
# (the CTest test package.build): exactly the program, its menu entry, icons, documentation and
# software-centre listing, and the packages it needs; the version and commit it tells; then
# Debian's own checkers, lintian on the source and the binary package, and autopkgtest, which
# installs the package on this machine and runs debian/tests; and AppStream's validator.
# Usage: check_deb.sh FOLDER
# Exit status: 0 when all checks pass, 1 on a failure, 77 (skipped; a failure where CI is set)
# when lintian, autopkgtest (or root, which it needs) or appstreamcli is missing and everything
# else passed.
set -euo pipefail

out=$1
icon_sizes=(32 48 64 128 256)
app_id=org.example.NormalForms
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
# shellcheck source=scripts/setup.sh
source "$root/scripts/setup.sh"
nf_require_tools "the package group" dpkg-deb dpkg-query dpkg-parsechangelog objdump \
  desktop-file-validate file convert msgunfmt msgfmt

shopt -s nullglob
listed=("$out"/normal-forms_*.changes)
if [ "${#listed[@]}" -ne 1 ]; then
  echo "FAIL: expected one .changes in $out (the test package.build makes it), found ${#listed[@]}" >&2
  exit 1
fi
changes=${listed[0]}
deb=${changes%.changes}.deb
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

# --- Modes and owners: no file for its builder alone, whatever the umask.
if dpkg-deb -c "$deb" | grep -Ev '^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x) root/root ' >"$work/modes"; then
  fail "files with other modes or owners than 0755, 0644 and root:"
  cat "$work/modes" >&2
fi

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

# --- One version, the changelog's, told everywhere: in the package, the installed changelog, the
# software centre's newest release (with the entry's date), and, with the commit the package was
# built from, in --version and both manual pages' headers.
version=$(field Version)
[ "$version" = "$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)" ] ||
  fail "the package's version $version is not debian/changelog's"
changelog="$work/root/usr/share/doc/normal-forms/changelog.gz"
if [ -f "$changelog" ]; then
  logged=$(gzip -dc "$changelog" | dpkg-parsechangelog -l - -S Version 2>/dev/null || true)
  [ "$logged" = "$version" ] || fail "the changelog's newest entry is '$logged', not $version"
fi
metainfo="$work/root/usr/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
  released=$(grep -o '<release [^>]*>' "$metainfo" | head -n 1)
  day=$(date -u -d "$(dpkg-parsechangelog -l "$root/debian/changelog" -S Date)" +%F)
  [ "$released" = "<release version=\"$version\" date=\"$day\"/>" ] ||
    fail "the metainfo's newest release is $released, not $version of $day"
fi
told="normal-forms $version"
if commit=$(git -C "$root" rev-parse HEAD 2>/dev/null); then
  told="$told (commit ${commit:0:12})"
fi
first_line=$(LC_ALL=C.UTF-8 "$work/root/usr/bin/normal-forms" --version | head -n 1)
[ "$first_line" = "$told" ] || fail "--version says '$first_line', not '$told'"
for man in "$work"/root/usr/share/man/{,bg/}man1/normal-forms.1.gz; do
  [ -f "$man" ] || continue
  gzip -dc "$man" | grep -q "^\.TH NORMAL-FORMS 1 [0-9-]* \"$told\" " ||
    fail "${man#"$work/root"}'s header does not name '$told'"
done

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

# --- Debian's and AppStream's own checkers. lintian's pedantic and info tags are shown, not
# failed, and each one left is named, with its reason, in the README's packaging section.
missing_checkers=()
if command -v lintian >/dev/null; then
  if ! lintian --fail-on error,warning --display-info --pedantic "$changes" >"$work/lintian" 2>&1; then
    fail "lintian reports errors or warnings:"
    cat "$work/lintian" >&2
  fi
  while read -r kind package tag _; do
    echo "lintian: $kind $package $tag"
    grep -Fq "\`$tag\`" "$root/README.md" || fail "lintian's $tag is not named in the README"
  done < <(grep -E '^[IP]: ' "$work/lintian" || true)
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
# autopkgtest installs the package and what its tests need with apt, as root; a machine that did
# not have the package before has it removed again afterwards.
if ! command -v autopkgtest >/dev/null; then
  missing_checkers+=(autopkgtest)
elif [ "$(id -u)" -ne 0 ]; then
  missing_checkers+=("root, which autopkgtest needs to install the package")
else
  installed_before=$(dpkg-query -W -f '${Status}' normal-forms 2>/dev/null || true)
  tested=0
  autopkgtest "$changes" -- null >"$work/autopkgtest" 2>&1 || tested=$?
  sed -n '/@@@@ summary$/,$p' "$work/autopkgtest" | grep -E '^[a-z-]+ +(PASS|FAIL|SKIP)' |
    sed 's/^/autopkgtest: /'
  if [ "$tested" -ne 0 ]; then
    fail "autopkgtest exits with $tested:"
    cat "$work/autopkgtest" >&2
  fi
  [ "$installed_before" = "install ok installed" ] || dpkg --remove normal-forms >/dev/null 2>&1 || true
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
if [ "${#missing_checkers[@]}" -ne 0 ]; then
  names=$(printf '%s and ' "${missing_checkers[@]}")
  nf_skip "this machine lacks ${names% and }, which scripts/setup.sh installs; the other checks passed."
fi
echo "all package checks passed"

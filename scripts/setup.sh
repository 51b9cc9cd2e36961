# shellcheck shell=bash
# Shared by scripts/run, scripts/test and scripts/package: the Debian/Ubuntu packages, grouped
# by what they are for, and the installation of those that are missing. Each script names the
# groups it needs: `nf_install_packages desktop web`.

# Building the program (the `desktop` preset: no tests, no benchmarks) and opening its window:
# its fonts and Qt's Bulgarian texts. qt6-base-dev holds Qt Test too, which the top-level
# CMakeLists.txt asks for; Qt's CMake files need the OpenGL headers (libgl-dev); gettext
# compiles the command line's Bulgarian catalogue (msgfmt) and writes its template (xgettext).
nf_packages_desktop=(
  cmake ninja-build g++ qt6-base-dev libgl-dev gettext
  fonts-liberation2 qt6-translations-l10n
)
# The web page, on top of the desktop group: its favicon is drawn by a native build with Qt.
nf_packages_web=(emscripten)
# The source package and the .deb: dpkg-buildpackage and debhelper, and what the package's build
# needs besides the desktop group (debian/control's Build-Depends) for the tests it runs:
# GoogleTest, and locales, from which the command-line test generates bg_BG.UTF-8 (and the C
# library's Bulgarian messages, libc-l10n, that it brings).
nf_packages_package=(dpkg-dev debhelper libgtest-dev libgmock-dev locales)
# The tests, lint and benchmarks, on top of the three groups above: Benchmark, the X harness
# (Xvfb, xdotool, xclip; ImageMagick's import and convert), the package's checkers (lintian,
# and autopkgtest, whose window test runs under xvfb-run, which needs xauth), the browser test,
# and clang with libFuzzer for the fuzz targets.
nf_packages_test=(
  libbenchmark-dev clang-format clang-tidy clang libclang-rt-14-dev
  xvfb xauth xdotool xclip imagemagick
  desktop-file-utils lintian autopkgtest appstream
  chromium chromium-driver python3-selenium python3-pil poppler-utils
)

# Prints the packages of the named groups, one a line.
nf_packages() {
  local group
  for group in "$@"; do
    case "$group" in
      desktop) printf '%s\n' "${nf_packages_desktop[@]}" ;;
      web) printf '%s\n' "${nf_packages_web[@]}" ;;
      package) printf '%s\n' "${nf_packages_package[@]}" ;;
      test) printf '%s\n' "${nf_packages_test[@]}" ;;
      *)
        echo "setup.sh: no package group '$group'" >&2
        return 1
        ;;
    esac
  done
}

nf_missing_packages() {
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      echo "$pkg"
    fi
  done
}

# Installs the missing packages of the named groups.
nf_install_packages() {
  local list
  list=$(nf_packages "$@") || return 1
  local -a wanted
  mapfile -t wanted <<<"$list"
  nf_install_apt "${wanted[@]}"
}

# Installs those of the named Debian packages that are missing.
nf_install_apt() {
  local -a wanted=("$@") missing as_root=()
  if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
    echo "This system has no apt; install these packages (or their equivalents) by hand:" \
      "${wanted[*]}" >&2
    return 1
  fi
  mapfile -t missing < <(nf_missing_packages "${wanted[@]}")
  [ "${#missing[@]}" -eq 0 ] && return 0

  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages and no sudo to install them; as root run: apt-get install ${missing[*]}" >&2
      return 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Installs the page's checking tools from npm, at the versions web/tooling's lock file pins,
# when they are missing or the lock file has changed since. Debian's node comes with emscripten;
# its npm is a package of its own, where node did not bring one.
nf_install_web_tooling() {
  local tooling
  tooling="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/web/tooling"
  if ! command -v npm >/dev/null 2>&1; then
    nf_install_apt npm || return 1
  fi
  local stamp="$tooling/node_modules/.installed-lock.json"
  if ! cmp -s "$tooling/package-lock.json" "$stamp"; then
    echo "Installing the page's checking tools (npm)"
    npm ci --prefix "$tooling" --no-audit --no-fund --loglevel=error &&
      cp "$tooling/package-lock.json" "$stamp"
  fi
}

# Prints the time to record wherever a build writes a date, as seconds since 1970: the builder's
# SOURCE_DATE_EPOCH if set, else the commit's time, else (a source tarball) the date of the
# changelog's latest entry, else nothing. The same commit then gives the same bytes.
nf_source_date_epoch() {
  local root="$1"
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
  elif git -C "$root" log -1 --format=%ct 2>/dev/null; then
    :
  else
    dpkg-parsechangelog -l "$root/debian/changelog" -STimestamp 2>/dev/null || true
  fi
}

# nf_skip SENTENCE: a check that cannot run here for want of a tool says so in one sentence and
# exits 77, which CTest counts as skipped; where CI is set, which has every tool, it fails.
nf_skip() {
  if [ -n "${CI:-}" ]; then
    echo "FAIL (CI): $*" >&2
    exit 1
  fi
  echo "SKIPPED: $*"
  exit 77
}

# nf_fresh_folder DIR: DIR made empty, to build in; refused (status 2) when DIR holds files and
# was not made by this function (or by check-reproducible before it, whose mark was
# .check-reproducible), so that no folder given by mistake is lost.
nf_fresh_folder() {
  local dir="$1"
  if [ -e "$dir" ] && { [ ! -d "$dir" ] || { [ ! -e "$dir/.nf-scratch" ] &&
    [ ! -e "$dir/.check-reproducible" ] && [ -n "$(ls -A "$dir")" ]; }; }; then
    echo "$dir is not an empty folder, nor one this script made" >&2
    return 2
  fi
  rm -rf "$dir" && mkdir -p "$dir" && touch "$dir/.nf-scratch"
}

# nf_copy_source ROOT TO: a fresh copy of the source tree in TO, as it stands: the files git knows
# of (and new ones it does not ignore), or outside a checkout everything but the build folder.
# From a checkout the copy is a clone of it, so that it knows the commit it is of.
nf_copy_source() {
  local root="$1" to="$2"
  mkdir -p "$to"
  if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # A file git knows of and the work tree lacks would make the copy differ from the commit.
    local missing
    missing="$(git -C "$root" ls-files --deleted)"
    if [ -n "$missing" ]; then
      echo "files of the commit are missing from the work tree: $(echo "$missing" | tr "\n" " ")" >&2
      return 1
    fi
    git clone --quiet --no-checkout "$root" "$to" &&
      (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - -cf -) | tar -C "$to" -xf -
  else
    tar -C "$root" --exclude=./build --exclude=./.git -cf - . | tar -C "$to" -xf -
  fi
}

# nf_build_package SOURCE: the source package and the .deb, built by dpkg-buildpackage from
# SOURCE, a copy of the source tree (nf_copy_source) in a folder named normal-forms-VERSION; they
# land beside it, and its build log too. Prints the path of the .changes. The dates inside are
# the changelog's, as in any Debian package, so that a build from the source package gives the
# same bytes.
nf_build_package() {
  local source="$1" version arch
  version=$(dpkg-parsechangelog -l "$source/debian/changelog" -SVersion) || return 1
  arch=$(dpkg --print-architecture) || return 1
  (cd "$source" && env -u SOURCE_DATE_EPOCH dpkg-buildpackage -us -uc -J"$(nproc)") >"$source.log" 2>&1 || {
    tail -n 40 "$source.log" >&2
    echo "dpkg-buildpackage failed; its whole output is in $source.log" >&2
    return 1
  }
  echo "$(dirname "$source")/normal-forms_${version}_$arch.changes"
}

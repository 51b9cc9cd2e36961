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
# The .deb: cpack reads the program's library dependencies with dpkg-shlibdeps and file.
nf_packages_package=(dpkg-dev file)
# The tests, lint and benchmarks, on top of the three groups above: GoogleTest, Benchmark,
# the X harness (Xvfb, xdotool, xclip; ImageMagick's import and convert), the package's
# checkers, the browser test, and clang with libFuzzer for the fuzz targets; locales, from
# which the command-line test generates bg_BG.UTF-8 (and the C library's Bulgarian messages,
# libc-l10n, that it brings).
nf_packages_test=(
  libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-tidy clang libclang-rt-14-dev
  locales
  xvfb xdotool xclip imagemagick
  desktop-file-utils lintian appstream
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
    dpkg-parsechangelog -l "$root/packaging/changelog" -STimestamp 2>/dev/null || true
  fi
}

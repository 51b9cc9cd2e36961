# Shared by scripts/run and scripts/test: installs the Debian/Ubuntu packages the build,
# the tests and the program need, and only those that are missing.

nf_packages=(
  cmake ninja-build g++ pkg-config clang-format clang-tidy
  qt6-base-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  xvfb xauth xdotool xclip x11-utils imagemagick
  dpkg-dev desktop-file-utils file lintian appstream
  emscripten chromium chromium-driver python3-selenium
)

nf_missing_packages() {
  local missing=() pkg
  for pkg in "${nf_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[@]}"
}

nf_install_packages() {
  local missing
  if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
    echo "This system has no apt; install these packages (or their equivalents) by hand:" \
      "${nf_packages[*]}" >&2
    return 1
  fi
  missing=$(nf_missing_packages)
  [ -z "$missing" ] && return 0

  local -a as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages and no sudo to install them; as root run: apt-get install $missing" >&2
      return 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: $missing"
  # shellcheck disable=SC2086 # the package list is meant to split into words
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

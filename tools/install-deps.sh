#!/usr/bin/env bash
# Installs the Debian packages that Velmora needs, in two sets:
#   tools/install-deps.sh play   what building and playing the game need
#   tools/install-deps.sh test   that, and what the tests and the package need
#   tools/install-deps.sh list play|test   prints the set, one package a line
# Only missing packages are installed. When nothing is missing the script
# prints nothing and neither calls apt-get nor sudo, so a user without sudo
# can build and play once the packages are there.
set -euo pipefail

# Every name must be a real package, not a virtual one: dpkg never reports a
# virtual package as installed, and the script would install on every run.
play_packages=(
  # compilers and build tools
  cmake g++ make pkg-config
  # Qt 6 (the X11 and offscreen platforms ship in libqt6gui6), sound decoding and output
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libsndfile1-dev libpulse-dev
  # the card deck and clip art the pictures are drawn from at build time
  kdegames-card-data-kf5 openclipart-svg
  # fonts the windows ask for
  fonts-liberation fonts-liberation2 fonts-dejavu-core fonts-linuxlibertine
)

test_packages=(
  # benchmark, sanitizer runtimes and the fuzzer
  libbenchmark-dev clang libclang-rt-14-dev
  # a real X server and a real audio server for the window and sound tests
  xvfb xauth x11-utils xdotool
  pulseaudio pulseaudio-utils sox
  # a hand played through the accessibility bus as a screen reader plays it
  at-spi2-core dbus dbus-x11 python3-pyatspi python3-gi
  # the installed program, its menu entry, manuals and the .deb
  desktop-file-utils appstream man-db dpkg-dev file lintian
)

usage() {
  echo "usage: $0 play|test | list play|test" >&2
  exit 2
}

wanted() {
  case $1 in
    play) printf '%s\n' "${play_packages[@]}" ;;
    test) printf '%s\n' "${play_packages[@]}" "${test_packages[@]}" ;;
    *) usage ;;
  esac
}

[ $# -ge 1 ] || usage
if [ "$1" = list ]; then
  [ $# -eq 2 ] || usage
  wanted "$2"
  exit 0
fi
[ $# -eq 1 ] || usage
mapfile -t packages < <(wanted "$1")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing ${#missing[@]} missing packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps.sh: these packages are missing and only root can install them:" >&2
    echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"

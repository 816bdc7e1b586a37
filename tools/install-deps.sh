#!/usr/bin/env bash
# Installs the Debian packages that Velmora needs, in these sets:
#   tools/install-deps.sh play   what building and playing the game need
#   tools/install-deps.sh build  that, and what building the Debian package
#                                with its tests needs: debian/control's
#                                Build-Depends name exactly this set
#   tools/install-deps.sh test   that, and what every test and the package need
#   tools/install-deps.sh check  what tools/check-on-debian.sh needs on the host
#   tools/install-deps.sh list play|build|test|check   prints the set, one package a line
# Only missing packages are installed. When nothing is missing the script
# prints nothing and neither calls apt-get nor sudo, so a user without sudo
# can build and play once the packages are there.
#
# The release is read from /etc/os-release (Debian testing and unstable both
# call themselves forky there). On a release the table does not know, the
# script names the packages it would try and stops; set
# VELMORA_DEBIAN_RELEASE=bookworm, trixie or forky to try that release's
# names anyway.
set -euo pipefail

# The one table of packages. Columns: the set, the name on Debian 12
# (bookworm), on Debian 13 (trixie) and on Debian 14 (forky); "=" repeats the
# name before it, "-" means the release needs no package for that line.
# Every name must be a real package, not a virtual one: dpkg never reports a
# virtual package as installed, and the script would install on every run.
# Compilers are named without a version: each release's default is the one
# supported and tested there.
read -r -d '' table <<'TABLE' || true
# compilers and build tools (Debian 13 made pkg-config a transitional name
# for pkgconf)
play  cmake                    =                             =
play  g++                      =                             =
play  make                     =                             =
play  pkg-config               pkgconf                       =
# Qt 6 (the X11 and offscreen platforms ship in libqt6gui6), sound decoding and output
play  qt6-base-dev             =                             =
play  qt6-base-dev-tools       =                             =
play  qt6-svg-dev              =                             =
# the translations: lupdate and lrelease and Qt's CMake commands for them;
# Qt's own translations of its standard buttons, which the game loads
play  qt6-l10n-tools           =                             =
play  qt6-tools-dev            =                             =
test  qt6-translations-l10n    =                             =
play  libgl-dev                =                             =
play  libsndfile1-dev          =                             =
play  libpulse-dev             =                             =
# the card deck and clip art the pictures are drawn from at build time
play  kdegames-card-data-kf5   kdegames-card-data            =
play  openclipart-svg          =                             =
# fonts the windows ask for ("Arial Narrow" is Liberation Sans Narrow, which
# Debian 13 moved out of fonts-liberation into a package of its own; its
# fonts-liberation2 is only a transitional name for fonts-liberation)
play  fonts-liberation         =                             =
play  fonts-liberation2        -                             =
play  -                        fonts-liberation-sans-narrow  =
play  fonts-dejavu-core        =                             =
play  fonts-linuxlibertine     =                             =
# benchmark, sanitizer runtimes and the fuzzer
test  libbenchmark-dev         =                             =
test  clang                    =                             =
test  libclang-rt-dev          =                             =
# the formatting check of the sources
test  clang-format             =                             =
# a real X server and a real audio server for the window and sound tests
test  xvfb                     =                             =
test  xauth                    =                             =
test  x11-utils                =                             =
test  xdotool                  =                             =
test  pulseaudio               =                             =
test  pulseaudio-utils         =                             =
test  sox                      =                             =
# a hand played through the accessibility bus as a screen reader plays it
test  at-spi2-core             =                             =
test  dbus                     =                             =
test  dbus-x11                 =                             =
test  python3-pyatspi          =                             =
test  python3-gi               =                             =
# the package build: debhelper, and the checks of the installed files that
# run inside it (menu entry, AppStream data, manual pages)
build debhelper                =                             =
build dpkg-dev                 =                             =
build desktop-file-utils       =                             =
build appstream                =                             =
build man-db                   =                             =
build python3                  =                             =
# Debian's checks of the package
test  lintian                  =                             =
# tools/check-on-debian.sh: fresh systems of each release, the source
# package unpacked and its autopkgtests run in one of them
check debootstrap              =                             =
check dpkg-dev                 =                             =
check autopkgtest              =                             =
TABLE

usage() {
  echo "usage: $0 play|build|test|check | list play|build|test|check" >&2
  exit 2
}

# The release whose column applies, or empty when unknown.
release() {
  if [ -n "${VELMORA_DEBIAN_RELEASE:-}" ]; then
    echo "$VELMORA_DEBIAN_RELEASE"
    return
  fi
  local id='' codename=''
  if [ -r /etc/os-release ]; then
    id=$(. /etc/os-release && echo "${ID:-}")
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  fi
  case "$id/$codename" in
    debian/bookworm | debian/trixie | debian/forky) echo "$codename" ;;
  esac
}

# wanted SET COLUMN: the names of the set; COLUMN 2 for bookworm, 3 for
# trixie, 4 for forky.
wanted() {
  local set=$1 column=$2
  case $set in
    play) sets='play' ;;
    build) sets='play build' ;;
    test) sets='play build test' ;;
    check) sets='check' ;;
    *) usage ;;
  esac
  awk -v sets=" $sets " -v column="$column" '
    /^#/ || NF == 0 { next }
    index(sets, " " $1 " ") {
      name = $2
      for (i = 3; i <= column; i++) if ($i != "=") name = $i
      if (name != "-") print name
    }' <<<"$table"
}

column_of() {
  case $1 in
    bookworm) echo 2 ;;
    trixie) echo 3 ;;
    forky) echo 4 ;;
    *) return 1 ;;
  esac
}

[ $# -ge 1 ] || usage
case $1 in
  list) [ $# -eq 2 ] || usage; set_name=$2 ;;
  play | build | test | check) [ $# -eq 1 ] || usage; set_name=$1 ;;
  *) usage ;;
esac
[[ $set_name =~ ^(play|build|test|check)$ ]] || usage

this_release=$(release)
if ! column=$(column_of "$this_release"); then
  if [ -n "${VELMORA_DEBIAN_RELEASE:-}" ]; then
    echo "install-deps.sh: VELMORA_DEBIAN_RELEASE must be bookworm, trixie or forky" >&2
    exit 2
  fi
  pretty=$( (. /etc/os-release 2>/dev/null && echo "${PRETTY_NAME:-}") || true)
  {
    echo "install-deps.sh: ${pretty:-this system} is not a release Velmora is tested on"
    echo "(Debian 12 bookworm, 13 trixie and 14 forky). On Debian 14 it would install:"
    wanted "$set_name" 4 | tr '\n' ' ' | fold -s -w 76 | sed 's/^/  /'
    echo
    echo "To try these names anyway: VELMORA_DEBIAN_RELEASE=forky $0 $*"
    echo "(or bookworm or trixie for Debian 12's or 13's names)."
  } >&2
  exit 1
fi
mapfile -t packages < <(wanted "$set_name" "$column")
if [ "$1" = list ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

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

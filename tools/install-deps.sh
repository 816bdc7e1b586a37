#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora need.
# Only packages that are missing are installed; nothing happens when all are present.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-qpa-plugins libgl-dev
  libsndfile1-dev libpulse-dev
  # pictures rendered at build time
  kdegames-card-data-kf5 openclipart-svg
  # fonts the windows ask for
  fonts-liberation fonts-liberation2 fonts-dejavu-core fonts-linuxlibertine
  # tests: benchmark, fuzzing, a real X server and a real audio server
  libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth x11-utils
  pulseaudio pulseaudio-utils sox
  # a hand played through the accessibility bus as a screen reader plays it
  at-spi2-core dbus dbus-x11 python3-pyatspi python3-gi
  # packaging checks
  desktop-file-utils appstream dpkg-dev man-db
  # the footprint script drives the game with keys
  xdotool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Starts the game's windows under Xvfb and writes a screenshot of every scene
# worth looking at to screenshots/ (and screenshots/2x/ at twice the scale).
# Usage: tools/screenshots.sh [BUILD_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target velmora-screenshots -j"$(nproc)" >/dev/null
out=$root/screenshots
rm -rf "$out"
shots() {
  local screen=$1 folder=$2
  shift 2
  xvfb-run -a -s "-screen 0 ${screen}x24" env QT_QPA_PLATFORM=xcb "$@" \
    "$build/tools/screenshots/velmora-screenshots" "$folder"
}
shots 1024x768 "$out"
shots 2048x1536 "$out/2x" QT_SCALE_FACTOR=2

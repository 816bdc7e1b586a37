#!/usr/bin/env bash
# Starts the game's windows under Xvfb and writes a screenshot of every scene
# worth looking at to screenshots/ (and screenshots/2x/ at twice the scale).
# Usage: tools/screenshots.sh [BUILD_FOLDER] [LANGUAGE]
# Without a LANGUAGE the windows speak the game's English, whatever the
# desktop's locale. With one (de, fr, es, it, pt_BR, nl: the names of the
# files in translations/) they speak that language, and the set goes to
# screenshots-LANGUAGE/ instead.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
language=${2:-}
cmake --build "$build" --target velmora-screenshots -j"$(nproc)" >/dev/null
if [ -n "$language" ]; then
  out=$root/screenshots-$language
  locale=(LC_ALL="$language.UTF-8" LANGUAGE="$language")
else
  out=$root/screenshots
  locale=(LC_ALL=C LANGUAGE=)
fi
rm -rf "$out"
shots() {
  local screen=$1 folder=$2
  shift 2
  xvfb-run -a -s "-screen 0 ${screen}x24" env QT_QPA_PLATFORM=xcb "${locale[@]}" "$@" \
    "$build/tools/screenshots/velmora-screenshots" "$folder"
}
shots 1024x768 "$out"
shots 2048x1536 "$out/2x" QT_SCALE_FACTOR=2

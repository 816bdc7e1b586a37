#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a
# release build, once more with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a bounded fuzzing run of the statistics file reader.
#   tools/run-tests.sh [--release-only]   the release build and its tests only
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
release_only=false
case "${1:-}" in
  '') ;;
  --release-only) release_only=true ;;
  *)
    echo "usage: $0 [--release-only]" >&2
    exit 2
    ;;
esac

tools/install-deps.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# A real audio server with a silent sink for the sound tests; stopped on exit.
# shellcheck source=tools/audio-server.sh
source tools/audio-server.sh
audio_server_start
trap audio_server_stop EXIT

echo "== Release build and tests"
# The builds are CMakePresets.json's, warnings as errors. Tests on, also in a
# build folder that tools/run-game.sh made without them.
cmake --preset release
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"
if $release_only; then
  echo "Release tests passed."
  exit 0
fi

echo "== Sanitizer build and tests"
cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"

if [ -x tools/fuzz-stats-reader.sh ]; then
  echo "== Fuzzing the statistics file reader"
  tools/fuzz-stats-reader.sh 90
fi
echo "All tests passed."

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a
# release build, once more with AddressSanitizer and UndefinedBehaviorSanitizer,
# then a bounded fuzzing run of the statistics file reader.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

tools/install-deps.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# A real audio server with a silent sink for the sound tests; stopped on exit.
# shellcheck source=tools/audio-server.sh
source tools/audio-server.sh
audio_server_start
trap audio_server_stop EXIT

echo "== Release build and tests"
# Tests on, also in a build folder that tools/run-game.sh made without them.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_TESTS=ON \
  -DVELMORA_BUILD_BENCHMARKS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build and tests"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_TESTS=ON \
  -DVELMORA_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

if [ -x tools/fuzz-stats-reader.sh ]; then
  echo "== Fuzzing the statistics file reader"
  tools/fuzz-stats-reader.sh 90
fi
echo "All tests passed."

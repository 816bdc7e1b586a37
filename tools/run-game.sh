#!/usr/bin/env bash
# Installs what building and playing need and is missing, builds the game and
# starts it from the build's run folder, which holds its sounds.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tools/install-deps.sh play
# A first build leaves the tests out: they need the packages of the test set.
# A build folder that tools/run-tests.sh configured keeps its settings.
if [ ! -f build/CMakeCache.txt ]; then
  cmake --preset play
fi
cmake --build build --target velmora velmora_sounds -j"$(nproc)"
cd build/run
exec ./velmora "$@"

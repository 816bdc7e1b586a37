#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from a folder that
# holds its sounds (the game finds them under its working directory).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target velmora velmora_sounds -j"$(nproc)"
cd build/run
exec ./velmora "$@"

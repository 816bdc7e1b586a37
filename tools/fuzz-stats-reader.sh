#!/usr/bin/env bash
# Fuzzes the statistics file reader for SECONDS seconds (default 60, at most
# 120) with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# Builds its own target with clang into build-fuzz/, outside the main build.
# Seeds come from tests/stats/fuzz/corpus/ (left untouched); new inputs go to
# build-fuzz/corpus/, crash reproducers to build-fuzz/. Exits non-zero on a
# crash, a hang of more than 5 seconds, a leak or any sanitizer report.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds < 1)); then
  echo "usage: $0 [SECONDS]   (1..120)" >&2
  exit 2
fi
((seconds > 120)) && seconds=120

# The release's default clang, whatever its version.
cxx=${CXX_FUZZ:-clang++}
if ! command -v "$cxx" >/dev/null; then
  echo "fuzz-stats-reader: clang++ is needed (tools/install-deps.sh installs it)" >&2
  exit 1
fi

out="$root/build-fuzz"
mkdir -p "$out/corpus"
target="$out/fuzz-stats-reader"

echo "Building $target with $cxx"
"$cxx" -std=c++20 -g -O1 -Wall -Wextra -Wpedantic -Werror \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" \
  "$root/tests/stats/fuzz/StatisticsReaderFuzz.cpp" \
  "$root/stats/StatisticsFile.cpp" \
  "$root/stats/CharacterCount.cpp" \
  "$root/stats/HandDescription.cpp" \
  "$root/stats/StatisticsSummary.cpp" \
  "$root/money/DecimalNumber.cpp" \
  -o "$target"

echo "Fuzzing for $seconds seconds"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$target" -max_total_time="$seconds" -timeout=5 -print_final_stats=1 \
  -artifact_prefix="$out/" "$out/corpus" "$root/tests/stats/fuzz/corpus"

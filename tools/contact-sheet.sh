#!/usr/bin/env bash
# Draws contact sheets of every picture of the game: each at true size and at
# three times, labelled with its image id or name, on the table's green felt.
# Usage: tools/contact-sheet.sh [output folder] [build folder]
# Writes contact-sheet.png (everything) and one sheet per group.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-/tmp/velmora-contact-sheets}"
build="${2:-/tmp/build-velmora-contact-sheet}"

cmake --preset play -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target velmora_contact_sheet -j2
mkdir -p "$out"
sheet="$(find "$build" -type f -name velmora_contact_sheet -perm -u+x | head -n 1)"
export QT_QPA_PLATFORM=offscreen
"$sheet" "$out/contact-sheet.png" all
for group in cards backs money icons fixed; do
  "$sheet" "$out/$group.png" "$group"
done

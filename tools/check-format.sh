#!/usr/bin/env bash
# Checks that every C++ source of the tree is formatted by the repository's
# .clang-format, as Debian 12's and Debian 13's clang-format both write it:
#   tools/check-format.sh [SOURCE_FOLDER]
# Lists the files and lines that differ; `clang-format -i FILE` mends them.
set -euo pipefail
root=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)
if ! command -v clang-format >/dev/null; then
  echo "check-format: clang-format is missing (tools/install-deps.sh test installs it)" >&2
  exit 1
fi
# Build folders hold generated code; the tree is read as it is, with or
# without git (a copied or unpacked tree has none).
mapfile -d '' files < <(find "$root" \( -name 'build*' -o -name '.*' \) -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if clang-format --dry-run -Werror "${files[@]}"; then
  echo "check-format: ${#files[@]} files formatted"
else
  echo "check-format: format the files above with clang-format -i" >&2
  exit 1
fi

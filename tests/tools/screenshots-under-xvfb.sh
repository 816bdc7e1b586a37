#!/usr/bin/env bash
# Runs the screenshot tool in a real X server and checks that every scene was
# written and is not blank: the windows really map and paint under X11.
set -euo pipefail
tool=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb "$tool" "$out" >/dev/null
count=$(find "$out" -name '*.png' | wc -l)
if [ "$count" -ne 26 ]; then
  echo "expected 26 screenshots, found $count" >&2
  exit 1
fi
# A blank grab compresses to almost nothing; every real scene is several kB.
small=$(find "$out" -name '*.png' -size -2k)
if [ -n "$small" ]; then
  echo "blank screenshots: $small" >&2
  exit 1
fi
echo "$count screenshots"

#!/usr/bin/env bash
# Runs a command inside a private accessibility setup, as a screen reader
# meets the game: its own D-Bus session bus, the AT-SPI bus and registry on
# it, and an Xvfb display. Everything it starts is stopped and its folder
# removed when the command ends, also when it fails or is interrupted.
#
# Usage: tools/accessibility-bus.sh COMMAND [ARGUMENT...]
# Exits 77 (which CTest counts as skipped) when the packages are missing.
set -uo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARGUMENT...]" >&2
  exit 2
fi

missing=()
for tool in dbus-daemon Xvfb /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
# The pyenv python3 that may come first on PATH has no pyatspi.
if ! /usr/bin/python3 -c 'import pyatspi' >/dev/null 2>&1; then
  missing+=("python3-pyatspi")
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "accessibility-bus.sh: missing ${missing[*]}; install at-spi2-core, dbus, python3-pyatspi and xvfb (tools/install-deps.sh)" >&2
  exit 77
fi

folder=$(mktemp -d "${TMPDIR:-/tmp}/velmora-a11y.XXXXXX")
pids=()

stop_all() {
  local pid
  # Newest first: the launcher takes its own bus and the registry down with it.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  done
  # What the accessibility bus started for itself dies with its session bus;
  # anything still holding the folder's sockets is ours and goes too.
  rm -rf "$folder"
}
trap stop_all EXIT
trap 'exit 130' INT TERM

# The session bus. The folder is the runtime folder of everything started here.
export XDG_RUNTIME_DIR="$folder"
dbus-daemon --session --fork --nopidfile --address="unix:path=$folder/session" \
  --print-pid=3 3>"$folder/session.pid" >/dev/null
pids+=("$(cat "$folder/session.pid")")
export DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/session"

# The display; -displayfd picks a free one.
Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp -noreset 4>"$folder/display" \
  >"$folder/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [ -s "$folder/display" ] && break
  sleep 0.1
done
if [ ! -s "$folder/display" ]; then
  echo "accessibility-bus.sh: Xvfb did not start" >&2
  cat "$folder/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(tr -d '\n' <"$folder/display")"

# The accessibility bus and its registry.
/usr/libexec/at-spi-bus-launcher --launch-immediately \
  >"$folder/launcher.log" 2>&1 &
pids+=($!)
ready=0
for _ in $(seq 100); do
  if /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' \
    >/dev/null 2>&1; then
    ready=1
    break
  fi
  sleep 0.2
done
if [ $ready -ne 1 ]; then
  echo "accessibility-bus.sh: the AT-SPI registry did not answer" >&2
  cat "$folder/launcher.log" >&2
  exit 1
fi

# Qt speaks AT-SPI only on a real display, and only when asked to without a screen reader running.
export QT_QPA_PLATFORM=xcb
export QT_ACCESSIBILITY=1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export VELMORA_ACCESSIBILITY_BUS=1

# Ends the command itself before a caller's own time limit would kill this
# script outright, which would leave what it started running.
timeout --kill-after=10 "${VELMORA_ACCESSIBILITY_TIMEOUT:-240}" "$@"

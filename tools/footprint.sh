#!/usr/bin/env bash
# Measures what the installed game costs a player's machine. Builds if needed,
# installs into a scratch prefix, starts the game as its menu entry does (in a
# home folder that holds no sounds)
# on a private X server (Xvfb) with a private audio server, and prints:
#   - milliseconds from launch until the table window is mapped;
#   - peak resident memory over a session: the welcome dialog accepted with
#     Enter and five hands of $10 played with the keyboard (Alt+D deals and
#     draws, standing pat);
#   - processor time spent in 10 idle seconds of betting with the table
#     focused: once on the bare table before the first hand, once after the
#     five hands (while the king of hearts lies on the table its face changes
#     every 1.5 s, by the rules).
# Each hand is confirmed by the sound streams it opens on the audio server.
# Needs xvfb, x11-utils, xdotool, pulseaudio and pulseaudio-utils (tools/install-deps.sh).
# Usage: tools/footprint.sh [BUILD_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
hands=5

for tool in Xvfb xdpyinfo xdotool pulseaudio pactl; do
  command -v "$tool" >/dev/null || { echo "footprint.sh: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset play -S "$root" -B "$build" >/dev/null
fi
# Only what is installed, so that a test in progress elsewhere cannot stop it.
targets=(velmora velmora-sim velmora-stats velmora_sounds)
if cmake --build "$build" --target help | grep velmora_installed_screenshots >/dev/null; then
  targets+=(velmora_installed_screenshots)
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null

# shellcheck source=tools/audio-server.sh
source "$root/tools/audio-server.sh"
work=$(mktemp -d)
xvfb_pid=
game_pid=
events_pid=
audio_started=
cleanup() {
  set +e # stop everything, also what has already ended
  local pid
  for pid in "$game_pid" "$events_pid" "$xvfb_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done
  # Only the private server: stopping it elsewhere would stop the user's own.
  [ -n "$audio_started" ] && audio_server_stop
  rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
home=$work/home
mkdir -p "$home"

# A private audio server, so that the game's sound test at the welcome passes
# and no "Sound Error" box interrupts the session.
export VELMORA_AUDIO_DIR=$work/audio
audio_started=1
audio_server_start >/dev/null
pactl subscribe >"$work/audio-events" 2>/dev/null &
events_pid=$!
# Sound streams opened so far (every effect the game plays opens one).
streams() { grep -c "'new' on sink-input" "$work/audio-events" || true; }

# Xvfb writes the display number it chose once it accepts connections.
# -noreset: the polls below connect and leave; without it each departure of
# the last client resets the server, and a game connecting then is refused.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
DISPLAY=:$(head -1 "$work/display")
export DISPLAY
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "footprint.sh: Xvfb on $DISPLAY does not answer: $(cat "$work/xvfb.log")" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The id of the visible top-level window titled exactly $1, or nothing.
visible_window() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}

# Processor time of the game so far, in clock ticks (user + system).
cpu_ticks() {
  # Fields after the parenthesised command name: utime and stime are 14 and 15.
  local stat
  stat=$(<"/proc/$game_pid/stat")
  stat=${stat##*) }
  read -r -a fields <<<"$stat"
  echo $((fields[11] + fields[12]))
}

wait_for_window() {
  local title=$1 seconds=$2 id
  for _ in $(seq $((seconds * 20))); do
    id=$(visible_window "$title")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  echo "footprint.sh: no window \"$title\" after $seconds s" >&2
  return 1
}

# Any visible window other than the table means a message box stopped the session.
check_only_table() {
  local others
  others=$(xdotool search --onlyvisible --name '.' 2>/dev/null | while read -r id; do
    name=$(xdotool getwindowname "$id")
    [ "$name" != "Velmora 2.1" ] && [ -n "$name" ] && echo "$name"
  done || true)
  if [ -n "$others" ]; then
    echo "footprint.sh: unexpected window during $1: $others" >&2
    exit 1
  fi
}

cd "$home"
launched=$(now_ms)
HOME=$home "$prefix/games/velmora" >"$work/game.log" 2>&1 &
game_pid=$!
until [ -n "$(visible_window 'Velmora 2.1')" ]; do
  kill -0 "$game_pid" 2>/dev/null || { echo "footprint.sh: the game ended: $(cat "$work/game.log")" >&2; exit 1; }
done
mapped=$(($(now_ms) - launched))
table=$(visible_window 'Velmora 2.1')

# Processor ticks the game spends in 10 seconds of waiting for a bet.
idle_ticks() {
  local before
  before=$(cpu_ticks)
  sleep 10
  echo $(($(cpu_ticks) - before))
}

# The logo box stays up for six seconds, then the welcome dialog opens.
welcome=$(wait_for_window 'Welcome to Velmora' 15)
xdotool windowfocus --sync "$welcome" key Return
sleep 3 # the sound test and the hatch sliding open
check_only_table "betting before the first hand"
# Focused as a window manager would leave it: the New Bet field has the
# keyboard focus and its text cursor blinks, as it does for a player.
xdotool windowfocus --sync "$table"
idle_bare=$(idle_ticks)

for hand in $(seq "$hands"); do
  check_only_table "betting before hand $hand"
  before=$(streams)
  xdotool windowfocus --sync "$table"
  # The bet field has the focus when betting opens; replace what it holds.
  xdotool key ctrl+a type 10
  xdotool key alt+d # Deal
  sleep 3           # ten cards, each after the card-flip sound
  xdotool key alt+d # Draw, standing pat
  sleep 6           # the house draws, shows its hand, the winner is picked
  # A dealt hand plays at least the shuffle and the card flips.
  if [ $(($(streams) - before)) -lt 2 ]; then
    echo "footprint.sh: hand $hand was not dealt (no shuffle and card-flip sounds)" >&2
    exit 1
  fi
done
check_only_table "betting after hand $hands"
idle_after=$(idle_ticks)

peak_kib=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$game_pid/status")
ticks_per_second=$(getconf CLK_TCK)

echo "Table window mapped:      $mapped ms after launch (target: at most 250 ms)"
echo "Peak resident memory:     $((peak_kib / 1024)) MiB ($peak_kib KiB) over welcome and $hands hands (target: at most 60 MiB)"
echo "Processor time idle 10 s: $idle_bare ticks of 1/$ticks_per_second s betting on the bare table, $idle_after after $hands hands (target: 0)"

#!/usr/bin/env bash
# Measures what the installed game costs a player's machine, against what a
# bare Qt Widgets window costs the same machine: a main window with a menu bar
# and a client area of the table's size (tools/footprint-baseline). Builds if
# needed, installs the game into a scratch prefix and starts, turn about, the
# game as its menu entry does and the bare window the same way (a fresh home
# folder that holds no sounds, the same private X server (Xvfb), environment
# and private audio server). For each launch it measures:
#   - milliseconds from launch until the window is mapped;
#   - peak resident memory (VmHWM) one second after the window is mapped;
#   - for the game, peak resident memory after the welcome dialog is
#     accepted with Enter, and over the whole session: the welcome and five
#     hands of $10 played with the keyboard (Alt+D deals and draws, standing
#     pat); for the bare window, peak resident memory once it has sat for
#     as long as the game takes to its welcome (it does nothing more after);
#   - for the game, processor time spent in 10 idle seconds of betting with
#     the table focused: once on the bare table before the first hand, once
#     after the five hands (while the king of hearts lies on the table its
#     face changes every 1.5 s, by the rules).
# Each hand is confirmed by the sound streams it opens on the audio server.
# Prints every launch's figures, the medians and the ratios game / bare window.
# Needs xvfb, x11-utils, xdotool, pulseaudio and pulseaudio-utils (tools/install-deps.sh).
# Usage: tools/footprint.sh [-n LAUNCHES] [-b BARE_WINDOW_BUILD_FOLDER] [BUILD_FOLDER]
#   -n: launches of each program (default 5);
#   -b: the build folder to take the bare window from (default BUILD_FOLDER),
#       so that an older build of the game is measured against the same window.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
launches=5
bare_build=
while getopts n:b: option; do
  case $option in
    n) launches=$OPTARG ;;
    b) bare_build=$OPTARG ;;
    *) echo "Usage: tools/footprint.sh [-n LAUNCHES] [-b BARE_WINDOW_BUILD_FOLDER] [BUILD_FOLDER]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
build=$(realpath -m "${1:-$root/build}")
bare_build=$(realpath -m "${bare_build:-$build}")
hands=5
[[ $launches =~ ^[1-9][0-9]*$ ]] || { echo "footprint.sh: -n wants a positive number" >&2; exit 2; }

for tool in Xvfb xdpyinfo xdotool pulseaudio pactl; do
  command -v "$tool" >/dev/null || { echo "footprint.sh: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done

for folder in "$build" "$bare_build"; do
  if [ ! -f "$folder/CMakeCache.txt" ]; then
    cmake --preset play -S "$root" -B "$folder" >/dev/null
  fi
done
# Only what is installed, so that a test in progress elsewhere cannot stop it.
# (The compressed manual pages and changelog, and the screenshots when the
# build makes them, are installed too.)
targets=(velmora velmora-sim velmora-stats velmora_sounds)
mapfile -t -O ${#targets[@]} targets < <(cmake --build "$build" --target help |
  grep -oE 'velmora_(gzip_[A-Za-z0-9_.-]+|installed_screenshots)' | sort -u)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null
cmake --build "$bare_build" -j"$(nproc)" --target velmora-footprint-baseline >/dev/null
bare_program=$bare_build/tools/footprint-baseline/velmora-footprint-baseline

# shellcheck source=tools/audio-server.sh
source "$root/tools/audio-server.sh"
work=$(mktemp -d)
xvfb_pid=
pid=
events_pid=
audio_started=
cleanup() {
  set +e # stop everything, also what has already ended
  local process
  for process in "$pid" "$events_pid" "$xvfb_pid"; do
    [ -n "$process" ] && kill "$process" 2>/dev/null
  done
  # Only the private server: stopping it elsewhere would stop the user's own.
  [ -n "$audio_started" ] && audio_server_stop
  rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

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
# the last client resets the server, and a program connecting then is refused.
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

# Processor time of the running program so far, in clock ticks (user + system).
cpu_ticks() {
  # Fields after the parenthesised command name: utime and stime are 14 and 15.
  local stat
  stat=$(<"/proc/$pid/stat")
  stat=${stat##*) }
  read -r -a fields <<<"$stat"
  echo $((fields[11] + fields[12]))
}

# Peak resident memory of the running program so far, in KiB.
peak_kib() {
  sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status"
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

# Starts program $2 in a fresh home folder and waits until its window titled
# $1 is mapped; sets pid and mapped (milliseconds after launch).
launch() {
  local title=$1 program=$2 home
  home=$(mktemp -d "$work/home.XXXX")
  cd "$home"
  local launched
  launched=$(now_ms)
  HOME=$home "$program" >"$work/program.log" 2>&1 &
  pid=$!
  until [ -n "$(visible_window "$title")" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "footprint.sh: $program ended: $(cat "$work/program.log")" >&2; exit 1; }
  done
  mapped=$(($(now_ms) - launched))
}

finish() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

# Processor ticks the game spends in 10 seconds of waiting for a bet.
idle_ticks() {
  local before
  before=$(cpu_ticks)
  sleep 10
  echo $(($(cpu_ticks) - before))
}

# One launch of the game through the session; sets the game_* figures.
measure_game() {
  local launched_at table welcome
  launched_at=$(now_ms)
  launch 'Velmora 2.1' "$prefix/games/velmora"
  table=$(visible_window 'Velmora 2.1')
  sleep 1
  game_start=$(peak_kib)

  # The logo box stays up for six seconds, then the welcome dialog opens.
  welcome=$(wait_for_window 'Welcome to Velmora' 15)
  game_to_welcome=$(($(now_ms) - launched_at))
  xdotool windowfocus --sync "$welcome" key Return
  sleep 3 # the sound test and the hatch sliding open
  check_only_table "betting before the first hand"
  game_welcome=$(peak_kib)
  # Focused as a window manager would leave it: the New Bet field has the
  # keyboard focus and its text cursor blinks, as it does for a player.
  xdotool windowfocus --sync "$table"
  game_idle_bare=$(idle_ticks)

  local hand before
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
  game_idle_after=$(idle_ticks)
  game_session=$(peak_kib)
  game_mapped=$mapped
  finish
}

# One launch of the bare window; sits as long as the game takes to its welcome.
measure_bare() {
  local launched_at
  launched_at=$(now_ms)
  launch 'Bare window' "$bare_program"
  sleep 1
  bare_start=$(peak_kib)
  sleep "$(awk -v ms=$((game_to_welcome + 3000 - ($(now_ms) - launched_at))) 'BEGIN { print (ms > 0 ? ms : 0) / 1000 }')"
  bare_settled=$(peak_kib)
  bare_mapped=$mapped
  finish
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

ticks_per_second=$(getconf CLK_TCK)
g_mapped=() g_start=() g_welcome=() g_session=() b_mapped=() b_start=() b_settled=() idle_bad=()
echo "Launch  game: mapped  start  welcome  session  idle ticks   bare window: mapped  start  settled"
for run in $(seq "$launches"); do
  measure_game
  measure_bare
  g_mapped+=("$game_mapped") g_start+=("$game_start") g_welcome+=("$game_welcome") g_session+=("$game_session")
  b_mapped+=("$bare_mapped") b_start+=("$bare_start") b_settled+=("$bare_settled")
  [ "$game_idle_bare" -eq 0 ] && [ "$game_idle_after" -eq 0 ] || idle_bad+=("$run")
  printf '%6d  %10d ms %6s %8s %8s MiB %4d, %-4d %16d ms %6s %8s MiB\n' "$run" "$game_mapped" \
    "$(mib "$game_start")" "$(mib "$game_welcome")" "$(mib "$game_session")" "$game_idle_bare" \
    "$game_idle_after" "$bare_mapped" "$(mib "$bare_start")" "$(mib "$bare_settled")"
done

gm=$(median "${g_mapped[@]}") gs=$(median "${g_start[@]}") gw=$(median "${g_welcome[@]}") gz=$(median "${g_session[@]}")
bm=$(median "${b_mapped[@]}") bs=$(median "${b_start[@]}") bz=$(median "${b_settled[@]}")
echo
echo "Medians of $launches launches each        game      bare window   game / bare"
printf 'Window mapped after launch     %9s ms %10s ms %8s   (target: at most 1.1)\n' "$gm" "$bm" "$(ratio "$gm" "$bm")"
printf 'Peak memory at start           %9s MiB %9s MiB %7s\n' "$(mib "$gs")" "$(mib "$bs")" "$(ratio "$gs" "$bs")"
printf 'Peak memory after the welcome  %9s MiB %9s MiB %7s\n' "$(mib "$gw")" "$(mib "$bz")" "$(ratio "$gw" "$bz")"
printf 'Peak memory over the session   %9s MiB %9s MiB %7s   (target: at most 1.2)\n' "$(mib "$gz")" "$(mib "$bz")" "$(ratio "$gz" "$bz")"
echo "Processor time idle 10 s (game, betting on the bare table and after $hands hands; ticks of 1/$ticks_per_second s; target: 0):"
if [ ${#idle_bad[@]} -eq 0 ]; then
  echo "  0 in every launch"
else
  echo "  not 0 in launch ${idle_bad[*]}"
fi

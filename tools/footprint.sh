#!/usr/bin/env bash
# Measures what the installed game costs a player's machine, against what a
# bare Qt Widgets window costs the same machine: a main window with a menu bar
# and a client area of the table's size (tools/footprint-baseline). Builds if
# needed, installs the game into a scratch prefix and starts, turn about, the
# game as its menu entry does and the bare window the same way (a fresh home
# folder that holds no sounds, the same private X server (Xvfb), environment
# and private audio server). For each launch it measures:
#   - milliseconds from launch until the window is mapped;
#   - three peaks of memory, each one second after the window is mapped and,
#     for the game, after the welcome dialog is accepted with Enter and over
#     the whole session (the welcome and five hands of $10 played with the
#     keyboard: Alt+D deals and draws, standing pat); for the bare window,
#     once it has sat for as long as the game takes to its welcome (it does
#     nothing more after):
#       resident memory (VmHWM), which counts every page of a file the
#       program maps, its own file, the libraries and fonts, though clean file
#       pages stay in the page cache whoever maps them;
#       proportional memory (Pss of /proc/PID/smaps_rollup), where a page
#       that several processes map counts a share to each;
#       anonymous and shared memory (RssAnon + RssShmem of /proc/PID/status):
#       the program's own heap, stacks, pictures and the buffers it shares
#       with the X server, which is what the program itself costs the machine;
#     the last two are not kept as peaks by the kernel, so a sampler reads
#     them every 20 ms;
#   - for the game, processor time spent in 10 idle seconds of betting with
#     the table focused: once on the bare table before the first hand, once
#     after the five hands (while the king of hearts lies on the table its
#     face changes every 1.5 s, by the rules).
# Each hand is confirmed by the sound streams it opens on the audio server.
# Prints every launch's figures, the medians and the ratios game / bare window.
# Given several build folders, it launches each build's game in turn before
# the bare window in every round, so that their figures come from one run
# under one load, and prints the medians of each.
# Needs xvfb, x11-utils, xdotool, pulseaudio, pulseaudio-utils and python3
# (tools/install-deps.sh).
# Usage: tools/footprint.sh [-n LAUNCHES] [-b BARE_WINDOW_BUILD_FOLDER] [BUILD_FOLDER...]
#   -n: launches of each program (default 5);
#   -b: the build folder to take the bare window from (default the last
#       BUILD_FOLDER), so that older builds are measured against the same window.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
launches=5
bare_build=
while getopts n:b: option; do
  case $option in
    n) launches=$OPTARG ;;
    b) bare_build=$OPTARG ;;
    *) echo "Usage: tools/footprint.sh [-n LAUNCHES] [-b BARE_WINDOW_BUILD_FOLDER] [BUILD_FOLDER...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || set -- "$root/build"
builds=()
for folder in "$@"; do builds+=("$(realpath -m "$folder")"); done
bare_build=$(realpath -m "${bare_build:-${builds[-1]}}")
hands=5
[[ $launches =~ ^[1-9][0-9]*$ ]] || { echo "footprint.sh: -n wants a positive number" >&2; exit 2; }

for tool in Xvfb xdpyinfo xdotool pulseaudio pactl python3; do
  command -v "$tool" >/dev/null || { echo "footprint.sh: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done

for folder in "${builds[@]}" "$bare_build"; do
  if [ ! -f "$folder/CMakeCache.txt" ]; then
    cmake --preset play -S "$root" -B "$folder" >/dev/null
  fi
done
# Only what is installed, so that a test in progress elsewhere cannot stop it.
# (The compressed manual pages and changelog, and the screenshots when the
# build makes them, are installed too.)
for build in "${builds[@]}"; do
  targets=(velmora velmora-sim velmora-stats velmora_sounds)
  mapfile -t -O ${#targets[@]} targets < <(cmake --build "$build" --target help |
    grep -oE 'velmora_(gzip_[A-Za-z0-9_.-]+|installed_screenshots)' | sort -u)
  cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null
done
cmake --build "$bare_build" -j"$(nproc)" --target velmora-footprint-baseline >/dev/null
bare_program=$bare_build/tools/footprint-baseline/velmora-footprint-baseline

# shellcheck source=tools/audio-server.sh
source "$root/tools/audio-server.sh"
work=$(mktemp -d)
xvfb_pid=
pid=
sampler_pid=
events_pid=
audio_started=
cleanup() {
  set +e # stop everything, also what has already ended
  local process
  for process in "$pid" "$sampler_pid" "$events_pid" "$xvfb_pid"; do
    [ -n "$process" ] && kill "$process" 2>/dev/null
  done
  # Only the private server: stopping it elsewhere would stop the user's own.
  [ -n "$audio_started" ] && audio_server_stop
  rm -rf "$work"
}
trap cleanup EXIT

for i in "${!builds[@]}"; do
  cmake --install "${builds[$i]}" --prefix "$work/prefix-$i" >/dev/null
done

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

# Keeps the highest proportional and anonymous-plus-shared memory of process
# $1 in file $2 ("PSS ANON", KiB), read every 20 ms until the process ends.
# One Python process, so that sampling forks nothing beside the program.
sample_peaks() {
  python3 - "$1" "$2" <<'PY' &
import os, sys, time
pid, out = sys.argv[1], sys.argv[2]
peaks = [0, 0]
while True:
    try:
        with open(f"/proc/{pid}/smaps_rollup") as rollup:
            pss = [int(line.split()[1]) for line in rollup if line.startswith("Pss:")]
        with open(f"/proc/{pid}/status") as status:
            own = sum(int(line.split()[1]) for line in status
                      if line.startswith(("RssAnon:", "RssShmem:")))
    except OSError:
        break
    if not pss:  # ended, not yet reaped
        break
    now = [pss[0], own]
    if now[0] > peaks[0] or now[1] > peaks[1]:
        peaks = [max(a, b) for a, b in zip(peaks, now)]
        with open(out + ".new", "w") as file:
            file.write(f"{peaks[0]} {peaks[1]}\n")
        os.replace(out + ".new", out)
    time.sleep(0.02)
PY
  sampler_pid=$!
}

# The sampled peaks so far: "PSS ANON" in KiB.
sampled_peaks() {
  cat "$work/peaks"
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
  echo "0 0" >"$work/peaks"
  sample_peaks "$pid" "$work/peaks"
  until [ -n "$(visible_window "$title")" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "footprint.sh: $program ended: $(cat "$work/program.log")" >&2; exit 1; }
  done
  mapped=$(($(now_ms) - launched))
}

finish() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  wait "$sampler_pid" 2>/dev/null || true
  pid= sampler_pid=
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
  local prefix=$1 launched_at table welcome
  launched_at=$(now_ms)
  launch 'Velmora 2.1' "$prefix/games/velmora"
  table=$(visible_window 'Velmora 2.1')
  sleep 1
  game_start=$(peak_kib)
  read -r game_start_pss game_start_own < <(sampled_peaks)

  # The logo box stays up for six seconds, then the welcome dialog opens.
  welcome=$(wait_for_window 'Welcome to Velmora' 15)
  game_to_welcome=$(($(now_ms) - launched_at))
  xdotool windowfocus --sync "$welcome" key Return
  sleep 3 # the sound test and the hatch sliding open
  check_only_table "betting before the first hand"
  game_welcome=$(peak_kib)
  read -r game_welcome_pss game_welcome_own < <(sampled_peaks)
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
  read -r game_session_pss game_session_own < <(sampled_peaks)
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
  read -r bare_start_pss bare_start_own < <(sampled_peaks)
  sleep "$(awk -v ms=$((game_to_welcome + 3000 - ($(now_ms) - launched_at))) 'BEGIN { print (ms > 0 ? ms : 0) / 1000 }')"
  bare_settled=$(peak_kib)
  read -r bare_settled_pss bare_settled_own < <(sampled_peaks)
  bare_mapped=$mapped
  finish
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

ticks_per_second=$(getconf CLK_TCK)
# One line a launch: "game INDEX" or "bare -", then the figures named here.
figure_names=(mapped start welcome session start_pss welcome_pss session_pss start_own welcome_own session_own)
figures=$work/figures
idle_bad=()
echo "Peaks in MiB: resident (VmHWM), proportional (PSS) and anonymous + shared (own)"
printf '%-8s %-6s %9s %8s %8s %8s %8s %8s  %s\n' Launch Build Mapped Resident ... ... PSS Own \
  "(start, after the welcome, over the session; the bare window settled for the last two)"
for run in $(seq "$launches"); do
  for i in "${!builds[@]}"; do
    measure_game "$work/prefix-$i"
    echo "game $i $game_mapped $game_start $game_welcome $game_session $game_start_pss" \
      "$game_welcome_pss $game_session_pss $game_start_own $game_welcome_own $game_session_own" >>"$figures"
    [ "$game_idle_bare" -eq 0 ] && [ "$game_idle_after" -eq 0 ] || idle_bad+=("$run (build $((i + 1)))")
    printf '%-8s %-6s %6d ms %8s %8s %8s %8s %8s\n' "$run" "$((i + 1))" "$game_mapped" \
      "$(mib "$game_start")" "$(mib "$game_welcome")" "$(mib "$game_session")" \
      "$(mib "$game_session_pss")" "$(mib "$game_session_own")"
  done
  measure_bare
  # The bare window does nothing after it settles: its figures stand for
  # both of the game's later moments.
  echo "bare - $bare_mapped $bare_start $bare_settled $bare_settled $bare_start_pss" \
    "$bare_settled_pss $bare_settled_pss $bare_start_own $bare_settled_own $bare_settled_own" >>"$figures"
  printf '%-8s %-6s %6d ms %8s %8s %8s %8s %8s\n' "$run" bare "$bare_mapped" "$(mib "$bare_start")" \
    "$(mib "$bare_settled")" "$(mib "$bare_settled")" "$(mib "$bare_settled_pss")" \
    "$(mib "$bare_settled_own")"
done

# The median of one figure over the launches of "game INDEX" or "bare -".
median_of() {
  local kind=$1 index=$2 name=$3 column=0 k
  for k in "${!figure_names[@]}"; do
    [ "${figure_names[$k]}" = "$name" ] && column=$((k + 3))
  done
  median $(awk -v kind="$kind" -v index_="$index" -v column="$column" \
    '$1 == kind && $2 == index_ { print $column }' "$figures")
}

echo
echo "Medians of $launches launches each; ratios to the bare window"
for i in "${!builds[@]}"; do
  [ ${#builds[@]} -gt 1 ] && echo "Build $((i + 1)): ${builds[$i]}"
  gm=$(median_of game "$i" mapped) bm=$(median_of bare - mapped)
  printf '  %-38s %9s ms %9s ms %7s   (target: at most 1.1)\n' "Window mapped after launch" "$gm" "$bm" "$(ratio "$gm" "$bm")"
  for kind in "resident:" "proportional (PSS):_pss" "anonymous + shared:_own"; do
    label=${kind%%:*} suffix=${kind#*:}
    for moment in start welcome session; do
      g=$(median_of game "$i" "$moment$suffix") b=$(median_of bare - "$moment$suffix")
      printf '  %-38s %9s MiB %8s MiB %7s\n' "Peak $label, ${moment/welcome/after welcome}" \
        "$(mib "$g")" "$(mib "$b")" "$(ratio "$g" "$b")"
    done
  done
done
echo "Resident memory counts the clean file pages the program maps (its file, the"
echo "libraries, fonts), which stay in the page cache for whoever maps them next;"
echo "anonymous + shared memory is what the program itself takes from the machine."
echo "Processor time idle 10 s (game, betting on the bare table and after $hands hands; ticks of 1/$ticks_per_second s; target: 0):"
if [ ${#idle_bad[@]} -eq 0 ]; then
  echo "  0 in every launch"
else
  echo "  not 0 in launch ${idle_bad[*]}"
fi

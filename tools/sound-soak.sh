#!/usr/bin/env bash
# Plays hands at the table in real time against a private PulseAudio server
# that nothing keeps awake: its null sink suspends after one second of quiet,
# so every hand's first sounds wake it, and every core is kept busy. What the
# sink played is recorded and every sound measured with sox: each must be
# heard near its own peak, and sound must still be on after the last hand.
# Usage: tools/sound-soak.sh [BUILD_FOLDER] [HANDS] [RECORDING.wav to keep]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
hands=${2:-10}
cmake --build "$build" --target velmora-sound-soak velmora_sounds -j2 >/dev/null
work=$(mktemp -d /tmp/velmora-soak.XXXXXX)
export XDG_RUNTIME_DIR=$work/runtime PULSE_SERVER=unix:$work/native
mkdir -m 700 "$XDG_RUNTIME_DIR"
busy=()
server=
finish() {
  [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}" 2>/dev/null || true
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap finish EXIT
pulseaudio -n --daemonize=no --exit-idle-time=-1 \
  --load="module-native-protocol-unix socket=$work/native" \
  --load="module-null-sink sink_name=soak rate=44100 channels=2" \
  --load="module-suspend-on-idle timeout=1" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl set-default-sink soak
for _ in $(seq "$(nproc)"); do
  yes >/dev/null &
  busy+=($!)
done
sleep 1.5
echo "sink before the first hand: $(pactl list sinks short | awk '{print $NF}'); load: $(cut -d' ' -f1-3 /proc/loadavg)"

status=0
(cd "$build/run" && QT_QPA_PLATFORM=offscreen "$build/tools/sound-soak/velmora-sound-soak" \
  "$hands" soak.monitor "$work/heard.wav") >"$work/plays.txt" || status=$?
kill "${busy[@]}"
busy=()

# The largest sample of a file, or of a stretch of it: peak FILE [START LENGTH].
peak() {
  local file=$1
  shift
  [ $# -eq 0 ] || set -- trim "$@"
  sox "$file" -n "$@" stat 2>&1 | awk '/Maximum amplitude/ { print $3 }'
}
printf '%4s  %-13s %9s %9s %7s %7s  %s\n' play sound "start s" "took ms" "file" heard result
plays=0 heard=0
while read -r kind number name start took result; do
  [ "$kind" = play ] || continue
  own=$(peak "$build/run/sounds/$name")
  got=$(peak "$work/heard.wav" "$start" "$took")
  ok=$(awk -v got="$got" -v own="$own" -v r="$result" 'BEGIN {
    print (r != "ok" ? "PLAY FAILED" : (got >= 0.8 * own && got <= own + 0.06 ? "heard" : "NOT HEARD")) }')
  plays=$((plays + 1))
  [ "$ok" = heard ] && heard=$((heard + 1))
  printf '%4d  %-13s %9.3f %9.0f %7.3f %7.3f  %s\n' "$number" "$name" "$start" \
    "$(awk -v t="$took" 'BEGIN { print t * 1000 }')" "$own" "$got" "$ok"
done <"$work/plays.txt"
grep -v '^play ' "$work/plays.txt" || true
echo "sink after the last hand: $(pactl list sinks short | awk '{print $NF}')"
echo "$heard of $plays sounds heard; recording $(soxi -D "$work/heard.wav") s"
[ -z "${3:-}" ] || cp "$work/heard.wav" "$3"
[ "$status" -eq 0 ] && [ "$heard" -eq "$plays" ] && [ "$plays" -gt 0 ]

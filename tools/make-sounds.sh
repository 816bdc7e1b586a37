#!/usr/bin/env bash
# Synthesises the game's five sound effects with sox into resources/sounds/:
# mono, 44.1 kHz, 16-bit wave files of well under a second or two. Every sound
# rises and falls with an envelope so that it starts and ends without a click,
# and peaks well below full scale. Noise and the riffle's timing come from
# fixed seeds, so running the script again gives the same files.
#   tools/make-sounds.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-"$root/resources/sounds"}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -R: repeatable noise; -D: no dither, so the silent edges stay exactly silent.
sx() { sox -R -D "$@"; }
fmt=(-r 44100 -b 16 -c 1 -e signed-integer)

# Milliseconds as the seconds that sox expects.
sec() { printf '0.%03d' "$1"; }

# shuffle.wav: a riffle. Cards snap past the thumb one after the other, ever
# faster, and the deck settles with a soft brush at the end.
RANDOM=1701
parts=()
step=34
for i in $(seq 0 23); do
  snap=$((6 + RANDOM % 5))                    # 6..10 ms of card noise
  gap=$((step - snap))
  level=$(printf '0.%02d' $((55 + RANDOM % 40)))
  centre=$((2600 + RANDOM % 1400))
  sx -n "${fmt[@]}" "$work/riffle$i.wav" synth "$(sec "$snap")" whitenoise \
    band "$centre" 1800 fade h 0.001 "$(sec "$snap")" "$(sec $((snap - 1)))" \
    vol "$level" pad 0 "$(sec "$gap")"
  parts+=("$work/riffle$i.wav")
  if [ "$step" -gt 17 ]; then
    step=$((step - 1))
  fi
done
sx -n "${fmt[@]}" "$work/settle.wav" synth 0.16 pinknoise band 1800 1500 \
  fade q 0.02 0.16 0.12 vol 0.5
sx "${parts[@]}" "$work/settle.wav" "${fmt[@]}" "$work/shuffle-raw.wav"
sx "$work/shuffle-raw.wav" "${fmt[@]}" "$out/shuffle.wav" highpass 300 lowpass 9000 norm -7 \
  fade t 0.005 -0 0.03

# cardflip.wav: one card snapped onto the cloth. A crisp burst of noise over a
# small low knock, gone in under a tenth of a second.
sx -n "${fmt[@]}" "$work/snap.wav" synth 0.045 whitenoise band 3200 2200 lowpass 9000 \
  fade q 0.001 fade l 0 0.045 0.044
sx -n "${fmt[@]}" "$work/knock.wav" synth 0.060 sine 190:110 \
  fade h 0.002 0.060 0.055 vol 0.7
sx -m "$work/snap.wav" "$work/knock.wav" "${fmt[@]}" "$out/cardflip.wav" \
  pad 0 0.025 norm -9

# plrwin.wav: a bright rising chime, C major broken upwards, each note a bell
# with an octave partial that dies away.
notes=(1046.50 1318.51 1567.98 2093.00)
chime=()
for i in "${!notes[@]}"; do
  f=${notes[$i]}
  octave=$(awk -v f="$f" 'BEGIN { printf "%.2f", 2 * f }')
  length=$(awk -v i="$i" 'BEGIN { printf "%.3f", 0.80 - 0.07 * i }')
  sx -n "${fmt[@]}" "$work/bell$i.wav" synth "$length" sine "$f" synth "$length" sine mix "$octave" \
    fade q 0.006 fade l 0 "$length" "$(awk -v l="$length" 'BEGIN { printf "%.3f", l - 0.01 }')" \
    pad "$(awk -v i="$i" 'BEGIN { printf "%.3f", 0.07 * i }')" 0
  chime+=("$work/bell$i.wav")
done
sx -m "${chime[@]}" "${fmt[@]}" "$out/plrwin.wav" norm -6 fade t 0 -0 0.05

# bethatch.wav: the cash tray's hatch slides open along its runner and stops
# with a soft clack.
sx -n "${fmt[@]}" "$work/slide.wav" synth 0.42 pinknoise band 900 700 tremolo 23 35 \
  fade q 0.06 0.42 0.12
sx -n "${fmt[@]}" "$work/runner.wav" synth 0.42 sine 260:340 \
  fade q 0.06 0.42 0.12 vol 0.12
sx -m "$work/slide.wav" "$work/runner.wav" "${fmt[@]}" "$work/slide-mix.wav"
sx -n "${fmt[@]}" "$work/clack.wav" synth 0.09 whitenoise band 1500 900 \
  fade h 0.001 0.09 0.085
sx -n "${fmt[@]}" "$work/thud.wav" synth 0.09 sine 140:90 fade h 0.002 0.09 0.085
sx -m "$work/clack.wav" "$work/thud.wav" "${fmt[@]}" "$work/stop.wav"
sx "$work/slide-mix.wav" "$work/stop.wav" "${fmt[@]}" "$out/bethatch.wav" norm -8 \
  fade t 0 -0 0.02

# bust.wav: a low tone that sags and fades, for an empty bank.
sx -n "${fmt[@]}" "$work/sag.wav" synth 1.0 sine 196:98
sx -n "${fmt[@]}" "$work/sag-edge.wav" synth 1.0 triangle 196:98 lowpass 700 vol 0.35
sx -m "$work/sag.wav" "$work/sag-edge.wav" "${fmt[@]}" "$out/bust.wav" \
  tremolo 5 25 fade h 0.03 1.0 0.45 norm -8

for f in shuffle cardflip plrwin bethatch bust; do
  printf '%-9s %s s, peak %s\n' "$f" "$(soxi -D "$out/$f.wav")" \
    "$(sox "$out/$f.wav" -n stat 2>&1 | awk '/Maximum amplitude/ { print $3 }')"
done

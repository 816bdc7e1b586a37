#!/usr/bin/env bash
# Times two builds of velmora-sim against each other, runs alternating so
# that a busy machine slows both alike, and prints medians, bests and the
# ratios: the house player's hands per processor-second over 3,000,000
# hands, and the advisor's processor time for five hands. Figures only; the
# answers themselves are compared by the tests and by diffing --json output.
# Usage: tools/speed-compare.sh BEFORE_BUILD AFTER_BUILD [RUNS]   (RUNS: 5)
set -euo pipefail
before=$1/tools/sim/velmora-sim
after=$2/tools/sim/velmora-sim
runs=${3:-5}
hands=(2C,7S,AH,9H,AC KH,QH,JH,TH,2S 3D,3C,8S,8H,KD 5S,6S,7S,9D,KC 4H,9C,JD,2S,6C)
for program in "$before" "$after"; do
  [ -x "$program" ] || { echo "speed-compare.sh: no $program" >&2; exit 1; }
done

field() { grep -o "\"$1\":[0-9.e+]*" | head -1 | cut -d: -f2; }

house_rate() {
  "$1" --player house --hands 3000000 --start-time 1 --json | field hands_per_second
}

advice_seconds() {
  local total=0 hand seconds
  for hand in "${hands[@]}"; do
    seconds=$("$1" --advise "$hand" --json | field processor_seconds)
    total=$(awk -v a="$total" -v b="$seconds" 'BEGIN { print a + b }')
  done
  echo "$total"
}

# Median and best of the numbers given; best is the largest when $1 is "high".
summary() {
  local better=$1
  shift
  printf '%s\n' "$@" | sort -g | awk -v better="$better" '
    { v[NR] = $1 }
    END {
      median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%s %s\n", median, (better == "high" ? v[NR] : v[1])
    }'
}

# A run times the two builds back to back, each first in every other run, so
# that the ratio within a run is taken under the same load. On a shared
# machine whose speed drifts over minutes, the median of those ratios is the
# steadier figure; the medians and bests of each build show the drift.
declare -a house_before house_after advice_before advice_after house_gain advice_gain
for run in $(seq "$runs"); do
  if ((run % 2)); then
    house_before+=("$(house_rate "$before")")
    house_after+=("$(house_rate "$after")")
    advice_before+=("$(advice_seconds "$before")")
    advice_after+=("$(advice_seconds "$after")")
  else
    house_after+=("$(house_rate "$after")")
    house_before+=("$(house_rate "$before")")
    advice_after+=("$(advice_seconds "$after")")
    advice_before+=("$(advice_seconds "$before")")
  fi
  house_gain+=("$(awk -v a="${house_after[-1]}" -v b="${house_before[-1]}" 'BEGIN { print a / b }')")
  advice_gain+=("$(awk -v a="${advice_before[-1]}" -v b="${advice_after[-1]}" 'BEGIN { print a / b }')")
  echo "run $run: house ${house_before[-1]} -> ${house_after[-1]} hands/s;" \
    "advice ${advice_before[-1]} -> ${advice_after[-1]} s" >&2
done

read -r hb_median hb_best <<<"$(summary high "${house_before[@]}")"
read -r ha_median ha_best <<<"$(summary high "${house_after[@]}")"
read -r ab_median ab_best <<<"$(summary low "${advice_before[@]}")"
read -r aa_median aa_best <<<"$(summary low "${advice_after[@]}")"
read -r hg_median _ <<<"$(summary high "${house_gain[@]}")"
read -r ag_median _ <<<"$(summary high "${advice_gain[@]}")"
awk -v runs="$runs" -v hbm="$hb_median" -v hbb="$hb_best" -v ham="$ha_median" -v hab="$ha_best" \
  -v abm="$ab_median" -v abb="$ab_best" -v aam="$aa_median" -v aab="$aa_best" \
  -v hgm="$hg_median" -v agm="$ag_median" 'BEGIN {
  printf "%d alternating runs of each build\n", runs
  printf "house player, 3,000,000 hands: median %.2f M -> %.2f M hands per processor-second (%.2fx), best %.2f M -> %.2f M (%.2fx)\n",
    hbm / 1e6, ham / 1e6, ham / hbm, hbb / 1e6, hab / 1e6, hab / hbb
  printf "advisor, five hands:           median %.3f s -> %.3f s of processor time (%.2fx as fast), best %.3f s -> %.3f s (%.2fx)\n",
    abm, aam, abm / aam, abb, aab, abb / aab
  printf "median of the ratio within each run: house player %.2fx, advisor %.2fx as fast\n", hgm, agm
}'

#!/usr/bin/env bash
# Times one file split over two cores against ffmpeg encoding its two halves at
# once as two processes (as fast as two cores can go on it), round by round,
# and prints the spread of the time ratio: one slow round shows a part waiting
# on another as much as a slow median does. Ffmpeg is timed before and after each
# split, and the split against the mean of the two; the two against each other
# print the machine's own spread, the noise any single round carries. ReplayGain and verification are off,
# as ffmpeg's command has neither. ROUNDS (7) sets the rounds, TOOL another
# brindlewave-convert to time; BASELINE a second one, timed in the same rounds,
# alternating, against the same ffmpeg figures, to compare two builds at once.
# COMPETE=1 keeps a busy loop on the first core while each is timed, as another
# program taking a core now and then would: a thread of either side loses it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="${TOOL:-$root/build/release/brindlewave-convert}"
baseline="${BASELINE:-}"
rounds="${ROUNDS:-7}"
"$root/scripts/setup" --bench >&2
[ -x "$tool" ] || { echo "build first: make build" >&2; exit 1; }
[ -z "$baseline" ] || [ -x "$baseline" ] || { echo "no such program: $baseline" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

longest=$(ls -S /usr/share/games/asc/music/*.mp3 | head -1)
ffmpeg -loglevel error -i "$longest" -ar 44100 -t 180 -c:a wmav2 -b:a 128k "$work/piece180.wma"
ffmpeg -loglevel error -i "$work/piece180.wma" -t 90 -c copy "$work/half1.wma"
ffmpeg -loglevel error -ss 90 -i "$work/piece180.wma" -c copy "$work/half2.wma"

seconds() {  # command...: its wall time; its output and messages are dropped unless it fails
  local busy=""
  if [ "${COMPETE:-0}" = 1 ]; then
    timeout 120 taskset -c 0 bash -c 'while :; do :; done' &
    busy=$!
  fi
  /usr/bin/time -f "%e" -o "$work/t" "$@" > "$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  if [ -n "$busy" ]; then kill "$busy"; wait "$busy" 2>/dev/null || true; fi
  cat "$work/t"
}
split() {  # program
  rm -rf "$work/out"
  seconds "$1" --replaygain none --no-verify -b 192 -o "$work/out" "$work/piece180.wma"
}
halves() {
  seconds bash -c "ffmpeg -loglevel error -y -i $work/half1.wma -c:a libmp3lame -b:a 192k -compression_level 2 $work/h1.mp3 &
    ffmpeg -loglevel error -y -i $work/half2.wma -c:a libmp3lame -b:a 192k -compression_level 2 $work/h2.mp3 & wait"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
spread() {  # label, ratios...
  local label="$1"; shift
  printf '%s\n' "$@" | sort -g | awk -v n="$#" -v label="$label" '
    { r[NR] = $1 }
    END { m = (n % 2) ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
          printf "%s split/ffmpeg-on-both-halves-at-once time ratio over %d rounds: min %.3f, median %.3f, max %.3f\n", label, n, r[1], m, r[n] }'
}

mean() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (a + b) / 2 }'; }

ours=() base=() noise=()
for round in $(seq "$rounds"); do
  # The order turns each round, so that neither side always follows ffmpeg.
  h1=$(halves)
  if [ -n "$baseline" ] && [ $((round % 2)) -eq 0 ]; then b=$(split "$baseline"); fi
  o=$(split "$tool")
  if [ -n "$baseline" ] && [ $((round % 2)) -eq 1 ]; then b=$(split "$baseline"); fi
  h2=$(halves)
  h=$(mean "$h1" "$h2")
  ours+=("$(ratio "$o" "$h")")
  noise+=("$(ratio "$h2" "$h1")")
  line="round $round: split $o s, ffmpeg on both halves at once $h1 s before and $h2 s after, ratio ${ours[-1]}"
  if [ -n "$baseline" ]; then base+=("$(ratio "$b" "$h")"); line="$line; baseline $b s, ratio ${base[-1]}"; fi
  echo "$line"
done
printf '%s\n' "${noise[@]}" | sort -g | awk -v n="$rounds" '{ r[NR] = $1 }
  END { printf "the machine: ffmpeg after/before in the same round over %d rounds: min %.3f, max %.3f\n", n, r[1], r[n] }'
[ -z "$baseline" ] || spread "baseline" "${base[@]}"
spread "this build" "${ours[@]}"

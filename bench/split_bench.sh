#!/usr/bin/env bash
# Times one file split over two cores against ffmpeg encoding its two halves at
# once as two processes (as fast as two cores can go on it), round by round,
# alternating, and prints the spread of the time ratio: one slow round shows a
# part waiting on another as much as a slow median does. ReplayGain and
# verification are off, as ffmpeg's command has neither. ROUNDS (7) sets the
# rounds, TOOL another brindlewave-convert to time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="${TOOL:-$root/build/release/brindlewave-convert}"
rounds="${ROUNDS:-7}"
"$root/scripts/setup" --bench >&2
[ -x "$tool" ] || { echo "build first: make build" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

longest=$(ls -S /usr/share/games/asc/music/*.mp3 | head -1)
ffmpeg -loglevel error -i "$longest" -ar 44100 -t 180 -c:a wmav2 -b:a 128k "$work/piece180.wma"
ffmpeg -loglevel error -i "$work/piece180.wma" -t 90 -c copy "$work/half1.wma"
ffmpeg -loglevel error -ss 90 -i "$work/piece180.wma" -c copy "$work/half2.wma"

seconds() { /usr/bin/time -f "%e" -o "$work/t" "$@" > /dev/null; cat "$work/t"; }
ratios=()
for round in $(seq "$rounds"); do
  rm -rf "$work/out"
  ours=$(seconds "$tool" --replaygain none --no-verify -b 192 -o "$work/out" "$work/piece180.wma")
  theirs=$(seconds bash -c "ffmpeg -loglevel error -y -i $work/half1.wma -c:a libmp3lame -b:a 192k -compression_level 2 $work/h1.mp3 &
    ffmpeg -loglevel error -y -i $work/half2.wma -c:a libmp3lame -b:a 192k -compression_level 2 $work/h2.mp3 & wait")
  ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.3f", a / b }')
  ratios+=("$ratio")
  echo "round $round: split $ours s, ffmpeg on both halves at once $theirs s, ratio $ratio"
done
printf '%s\n' "${ratios[@]}" | sort -g | awk -v n="$rounds" '
  { r[NR] = $1 }
  END { m = (n % 2) ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
        printf "split/ffmpeg-on-both-halves-at-once time ratio over %d rounds: min %.3f, median %.3f, max %.3f\n", n, r[1], m, r[n] }'

#!/usr/bin/env bash
# Scale figures for a library of thousands of files: one-second tagged WMA files
# (44.1 kHz stereo) over 100 artist folders, made once under build/library-bench/
# and reused.
#  - the plan of LIBRARY_SIZE files (brindlewave-convert -n), against ffmpeg reading
#    the same files' streams and tags, 200 to a process, two processes at once;
#    ffprobe, one process a file, is timed on a sample and scaled to the library;
#  - CONVERT_SIZE files converted with the saved defaults (ReplayGain album,
#    verification on) and with both off, against ffmpeg converting each file at the
#    same bit rate, two at once; then the same run again with --existing skip;
#  - the main window adding LIBRARY_SIZE dropped files (bench/window_add_bench).
# Each figure with a target says whether it met it. Times are the median of three
# runs where a run is cheap, and of one where it is not; each line says which.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="$root/build/release/brindlewave-convert"
maker="$root/build/release/bench/make_library"
window="$root/build/release/bench/window_add_bench"
"$root/scripts/setup" --bench >&2
[ -x "$tool" ] && [ -x "$maker" ] && [ -x "$window" ] || { echo "build first: make build" >&2; exit 1; }

size="${LIBRARY_SIZE:-10000}"
convert_size="${CONVERT_SIZE:-2000}"
[ "$convert_size" -le "$size" ] || convert_size="$size"
sample="${FFPROBE_SAMPLE:-500}"
[ "$sample" -le "$size" ] || sample="$size"
window_timeout="${WINDOW_TIMEOUT:-120}"
kbps=192  # the saved default, which a fresh settings folder gives

cache="$root/build/library-bench"
lib="$cache/wma$size"
lib2="$cache/wma$convert_size"
"$maker" "$lib" "$size"
"$maker" "$lib2" "$convert_size"

# Nothing of the user's is read or written: settings, data and the desktop's run folder are private.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

timed() {  # result file, command...
  local out="$1"; shift
  /usr/bin/time -f "%e %M" -o "$out" "$@" > /dev/null 2> "$work/stderr" && return
  echo "failed: $*" >&2
  tail -n 5 "$work/stderr" >&2
  exit 1
}
seconds() { awk '{print $1}' "$1"; }
peak() { awk '{print $2}' "$1"; }
median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }
verdict() {  # value, limit: whether value <= limit
  awk -v v="$1" -v max="$2" 'BEGIN { print (v <= max ? "target met" : "over target") }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
count_mp3() { find "$1" -name '*.mp3' | wc -l; }

# The plan, against ffmpeg reading the same headers and tags. ffprobe takes one
# file a process; ffmpeg takes many inputs, and with -t 0 opens each, prints its
# streams and tags, and decodes nothing.
find "$lib" -name '*.wma' | sort > "$work/list"
declare -a plan theirs_plan
for run in 1 2 3; do
  timed "$work/t" "$tool" -n -o "$work/plan-out" "$lib"
  plan+=("$(seconds "$work/t")"); plan_peak=$(peak "$work/t")
  timed "$work/t" xargs -P2 -n 200 -a "$work/list" \
    sh -c 'for f; do set -- "$@" -i "$f"; shift; done; ffmpeg -nostdin -hide_banner "$@" -map 0:a -t 0 -f null -' _
  theirs_plan+=("$(seconds "$work/t")"); theirs_plan_peak=$(peak "$work/t")
  theirs_read=$(grep -o 'Input #' "$work/stderr" | wc -l)  # processes' lines may interleave
done
planned=$("$tool" -n -o "$work/plan-out" "$lib" 2> /dev/null | grep -c ' -> ' || true)
head -n "$sample" "$work/list" > "$work/sample"
timed "$work/t" xargs -P2 -n 1 -a "$work/sample" \
  ffprobe -v error -show_entries stream=sample_rate,channels,duration:format_tags=title,artist,album -of csv=p=0
probe_sample=$(seconds "$work/t"); probe_peak=$(peak "$work/t")
p=$(median "${plan[@]}"); tp=$(median "${theirs_plan[@]}")
echo "plan of $size files (brindlewave-convert -n), median of 3: $p s, peak $plan_peak KiB; $planned planned; target <= 2.5 s: $(verdict "$p" 2.5)"
echo "ffmpeg reading the same $size files' streams and tags, 200 a process, two at once, median of 3: $tp s, peak $theirs_plan_peak KiB (one process); $theirs_read read; plan/ffmpeg time ratio $(ratio "$p" "$tp")"
awk -v s="$probe_sample" -v n="$sample" -v all="$size" -v k="$probe_peak" \
  'BEGIN { printf "ffprobe, one process a file, two at once, 1 run on %d files: %s s, about %.1f s for %d at that rate, peak %d KiB (one process)\n", n, s, s * all / n, all, k }'

# A batch of one-second files converted: the saved defaults as a user runs it, then
# ReplayGain and verification off as ffmpeg's command has neither; one run each.
timed "$work/t" "$tool" -o "$work/out" "$lib2"
conv=$(seconds "$work/t"); conv_peak=$(peak "$work/t"); made=$(count_mp3 "$work/out")
declare -a skip
for run in 1 2 3; do
  timed "$work/t" "$tool" --existing skip -o "$work/out" "$lib2"
  skip+=("$(seconds "$work/t")"); skip_peak=$(peak "$work/t")
done
rm -rf "$work/out"
timed "$work/t" "$tool" --replaygain none --no-verify -o "$work/out" "$lib2"
plain=$(seconds "$work/t"); plain_peak=$(peak "$work/t")
rm -rf "$work/out"
(cd "$lib2" && find . -type d) | (cd "$work" && mkdir -p ffout && cd ffout && xargs mkdir -p)
(cd "$lib2" && find . -name '*.wma' | sed 's/\.wma$//') > "$work/convert-list"
timed "$work/t" bash -c "cd '$lib2' && xargs -P2 -I{} -a '$work/convert-list' ffmpeg -nostdin -loglevel error -y -i {}.wma \
  -c:a libmp3lame -b:a ${kbps}k -compression_level 2 '$work/ffout/{}.mp3'"
theirs_conv=$(seconds "$work/t"); theirs_conv_peak=$(peak "$work/t"); theirs_made=$(count_mp3 "$work/ffout")
rm -rf "$work/ffout"
s=$(median "${skip[@]}")
echo "convert $convert_size one-second files at $kbps kbps (saved defaults: ReplayGain album, verification on), 1 run: $conv s, peak $conv_peak KiB; $made MP3s"
echo "convert the same with --replaygain none --no-verify, 1 run: $plain s, peak $plain_peak KiB"
echo "ffmpeg converting the same files at $kbps kbps, one process a file, two at once, 1 run: $theirs_conv s, peak $theirs_conv_peak KiB (one process); $theirs_made MP3s"
echo "convert (--replaygain none --no-verify)/ffmpeg time ratio: $(ratio "$plain" "$theirs_conv"); with the defaults: $(ratio "$conv" "$theirs_conv")"
echo "the same $convert_size again with --existing skip, median of 3: $s s, peak $skip_peak KiB; target <= 1.5 s: $(verdict "$s" 1.5)"

# The main window adding the library, dropped as a folder; 1 run, ended after WINDOW_TIMEOUT s.
status=0
QT_QPA_PLATFORM=offscreen timeout -k 10 $((window_timeout + 60)) \
  "$window" "$lib" "$size" "$window_timeout" > "$work/window" 2> "$work/window-stderr" || status=$?
if [ "$status" -gt 1 ]; then
  echo "window_add_bench failed (status $status):" >&2
  cat "$work/window" "$work/window-stderr" >&2
  exit 1
fi
listed=$(sed -n 's/^listed: \([0-9]*\) of .*/\1/p' "$work/window")
took=$(sed -n 's/^listed: .* in \([0-9.]*\) s.*/\1/p' "$work/window")
wait_s=$(sed -n 's/^longest wait of an event: \([0-9.]*\) s.*/\1/p' "$work/window")
window_peak=$(sed -n 's/^peak memory: \([0-9]*\) KiB.*/\1/p' "$work/window")
sed -n 's/^\(wizard shown\|message\)/window: \1/p' "$work/window"
if [ "$status" -eq 0 ]; then
  echo "window: all $size listed, 1 run, in $took s; target <= 10 s: $(verdict "$took" 10)"
else
  echo "window: timed out after $took s with $listed of $size listed, 1 run; target all in <= 10 s: over target"
fi
echo "window: $(sed -n 's/^longest wait of an event:/longest wait of an event/p' "$work/window"); target <= 0.1 s: $(verdict "$wait_s" 0.1)"
before=$(sed -n 's/^peak memory: .*(\([0-9]*\) KiB before the drop).*/\1/p' "$work/window")
awk -v k="$window_peak" -v n="$listed" -v b="$before" -v v="$(verdict "$window_peak" 204800)" \
  'BEGIN { printf "window: peak memory at %d tasks %d KiB (%.1f MiB; %d KiB before the drop); target < 200 MiB: %s\n", n, k, k / 1024, b, v }'

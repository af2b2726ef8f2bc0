#!/usr/bin/env bash
# Times brindlewave-convert against the ffmpeg command line on recorded music
# (Debian's asc-music), turned into 44.1 kHz WMA at 128 kbps once: one long piece
# on its own, a 180-s piece split over the cores and not, and a batch of four
# files, with each MP3 decoded to its end afterwards and without; all at 192 kbps,
# LAME quality 2. A split file is also timed against ffmpeg encoding the 180-s
# piece's two halves at once, as two processes: as fast as two cores can go on it.
# Peak memory is taken for the 180-s piece and for a 30-min one glued from the
# longest piece, split, against ffmpeg on each. The batch is also timed with
# ReplayGain (track and album) and verification both on, against both off.
# Every other line runs with both off, as ffmpeg's command has neither: they
# time the encoder and its split.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="$root/build/release/brindlewave-convert"
encoder="$root/build/release/bench/encode_bench"
snr="$root/build/release/bench/pcm_snr"
"$root/scripts/setup" --bench >&2
[ -x "$tool" ] && [ -x "$encoder" ] && [ -x "$snr" ] || { echo "build first: make build" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$work/in"

i=0
for piece in $(ls -S /usr/share/games/asc/music/*.mp3); do
  i=$((i + 1))
  ffmpeg -loglevel error -i "$piece" -ar 44100 -c:a wmav2 -b:a 128k "$work/in/piece$i.wma"
done
longest="$work/in/piece1.wma"
ffmpeg -loglevel error -i "$longest" -t 100 -c copy "$work/in/piece4.wma"  # a fourth, cut from the longest
ffmpeg -loglevel error -stream_loop 5 -i "$longest" -t 1800 -c copy "$work/long30.wma"
mkdir -p "$work/180"
ffmpeg -loglevel error -i "$longest" -t 180 -c copy "$work/180/piece180.wma"
piece180="$work/180/piece180.wma"
mkdir -p "$work/halves"
ffmpeg -loglevel error -i "$piece180" -t 90 -c copy "$work/halves/half1.wma"
ffmpeg -loglevel error -ss 90 -i "$piece180" -c copy "$work/halves/half2.wma"
mkdir -p "$work/48k"
ffmpeg -loglevel error -i "$piece180" -ar 48000 -c:a wmav2 -b:a 128k "$work/48k/piece48k.wma"  # resampled to 44.1 kHz

timed() {  # result file, command...
  local out="$1"; shift
  /usr/bin/time -f "%e %M" -o "$out" "$@" > /dev/null
}
seconds() { awk '{print $1}' "$1"; }
peak() { awk '{print $2}' "$1"; }
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
plain=(--replaygain none --no-verify)

declare -a single single1 gainone theirs batch batchnv theirsbatch gainon gainoff split nosplit theirs180 split48 theirs48 halves
for run in 1 2 3; do
  rm -rf "$work/out"
  timed "$work/t" "$tool" "${plain[@]}" -b 192 -o "$work/out" "$longest"; single+=("$(seconds "$work/t")"); peak1=$(peak "$work/t")
  timed "$work/t" ffmpeg -loglevel error -y -i "$longest" -c:a libmp3lame -b:a 192k -compression_level 2 "$work/ff.mp3"
  theirs+=("$(seconds "$work/t")")
  rm -rf "$work/out"
  timed "$work/t" "$tool" "${plain[@]}" -j 1 -b 192 -o "$work/out" "$longest"; single1+=("$(seconds "$work/t")")
  rm -rf "$work/out"
  timed "$work/t" "$tool" --replaygain album --verify -b 192 -o "$work/out" "$longest"; gainone+=("$(seconds "$work/t")")
  rm -rf "$work/out"
  timed "$work/t" "$tool" --replaygain none --verify -b 192 -o "$work/out" "$work"/in/*.wma; batch+=("$(seconds "$work/t")"); peakbatch=$(peak "$work/t")
  rm -rf "$work/out"
  timed "$work/t" "$tool" --replaygain none --no-verify -b 192 -o "$work/out" "$work"/in/*.wma; batchnv+=("$(seconds "$work/t")")
  timed "$work/t" bash -c "for f in $work/in/*.wma; do ffmpeg -loglevel error -y -i \$f -c:a libmp3lame -b:a 192k -compression_level 2 $work/ff-batch.mp3; done"
  theirsbatch+=("$(seconds "$work/t")")
  rm -rf "$work/out"
  timed "$work/t" "$tool" --replaygain album --verify -b 192 -o "$work/out" "$work"/in/*.wma; gainon+=("$(seconds "$work/t")")
  rm -rf "$work/out"
  timed "$work/t" "$tool" --replaygain none --no-verify -b 192 -o "$work/out" "$work"/in/*.wma; gainoff+=("$(seconds "$work/t")")
  rm -rf "$work/out180"
  timed "$work/t" "$tool" "${plain[@]}" -b 192 -o "$work/out180" "$piece180"; split+=("$(seconds "$work/t")"); peak180=$(peak "$work/t")
  timed "$work/t" bash -c "ffmpeg -loglevel error -y -i $work/halves/half1.wma -c:a libmp3lame -b:a 192k -compression_level 2 $work/ff-half1.mp3 &
    ffmpeg -loglevel error -y -i $work/halves/half2.wma -c:a libmp3lame -b:a 192k -compression_level 2 $work/ff-half2.mp3 & wait"
  halves+=("$(seconds "$work/t")")
  rm -rf "$work/out180-1"
  timed "$work/t" "$tool" "${plain[@]}" --no-split -b 192 -o "$work/out180-1" "$piece180"; nosplit+=("$(seconds "$work/t")")
  timed "$work/t" ffmpeg -loglevel error -y -i "$piece180" -c:a libmp3lame -b:a 192k -compression_level 2 "$work/ff180.mp3"
  theirs180+=("$(seconds "$work/t")"); peakff180=$(peak "$work/t")
  rm -rf "$work/out48"
  timed "$work/t" "$tool" "${plain[@]}" -b 192 -r 44100 -o "$work/out48" "$work/48k/piece48k.wma"; split48+=("$(seconds "$work/t")")
  timed "$work/t" ffmpeg -loglevel error -y -i "$work/48k/piece48k.wma" -ar 44100 -c:a libmp3lame -b:a 192k -compression_level 2 "$work/ff48.mp3"
  theirs48+=("$(seconds "$work/t")")
  echo "run $run: 180 s split ${split[-1]} s, --no-split ${nosplit[-1]} s, ffmpeg ${theirs180[-1]} s, ffmpeg on both halves at once ${halves[-1]} s; at 48 kHz split ${split48[-1]} s, ffmpeg ${theirs48[-1]} s"
  echo "run $run: single ${single[-1]} s (-j 1: ${single1[-1]} s), ffmpeg ${theirs[-1]} s; batch ${batch[-1]} s, ffmpeg ${theirsbatch[-1]} s"
  echo "run $run: batch with ReplayGain and verification ${gainon[-1]} s, with neither ${gainoff[-1]} s"
done

# Quality of the split file against the one encoder's, and every frame clean.
ffmpeg -loglevel error -i "$piece180" -f f32le -c:a pcm_f32le "$work/src180.f32"
for kind in out180 out180-1; do
  errors=$(ffmpeg -v error -err_detect crccheck -i "$work/$kind/piece180.mp3" -f f32le -c:a pcm_f32le "$work/$kind.f32" 2>&1 | wc -l)
  echo "$kind: decoder errors $errors, $("$snr" "$work/src180.f32" "$work/$kind.f32")"
done
snrsplit=$("$snr" "$work/src180.f32" "$work/out180.f32" | awk '{print $1}')
snrone=$("$snr" "$work/src180.f32" "$work/out180-1.f32" | awk '{print $1}')
lensplit=$(stat -c %s "$work/out180.f32"); lenone=$(stat -c %s "$work/out180-1.f32"); lensrc=$(stat -c %s "$work/src180.f32")
rm -f "$work"/*.f32
ffmpeg -loglevel error -y -i "$longest" -f f32le -c:a pcm_f32le "$work/in.f32"
alone=$("$encoder" --float "$work/in.f32" | sed -n 's/^median lame float: \([0-9.]*\) s$/\1/p')
rm -f "$work/in.f32" "$work"/in/*.mp3
rm -rf "$work/out"
timed "$work/t" "$tool" "${plain[@]}" -b 192 -o "$work/out" "$work/long30.wma"; peak30=$(peak "$work/t"); time30=$(seconds "$work/t")
timed "$work/t" ffmpeg -loglevel error -y -i "$work/long30.wma" -c:a libmp3lame -b:a 192k -compression_level 2 "$work/ff30.mp3"
peakff30=$(peak "$work/t"); timeff30=$(seconds "$work/t")
rm -f "$work/ff30.mp3"
rm -rf "$work/out"
timed "$work/t" "$tool" "${plain[@]}" -j 1 -b 192 -o "$work/out" "$work/in/piece2.wma" "$work/in/piece3.wma"; peakserial=$(peak "$work/t")
rm -rf "$work/out"
timed "$work/t" "$tool" "${plain[@]}" -j 2 -b 192 -o "$work/out" "$work/in/piece2.wma" "$work/in/piece3.wma"; peakj2=$(peak "$work/t")

s=$(median "${single[@]}"); s1=$(median "${single1[@]}"); t=$(median "${theirs[@]}")
sp=$(median "${split[@]}"); ns=$(median "${nosplit[@]}"); t180=$(median "${theirs180[@]}")
hv=$(median "${halves[@]}")
echo "median 180 s piece: split $sp s, --no-split $ns s, ffmpeg $t180 s, ffmpeg on both halves at once $hv s"
awk -v a="$sp" -v b="$hv" 'BEGIN { printf "single 180 s split convert/ffmpeg-on-both-halves-at-once time ratio: %.3f\n", a / b }'
# Round by round too: a slow round is as much a fault as a slow median.
for k in "${!split[@]}"; do awk -v a="${split[$k]}" -v b="${halves[$k]}" 'BEGIN { printf "%.3f\n", a / b }'; done | sort -g |
  awk '{ r[NR] = $1 } END { printf "single 180 s split convert/ffmpeg-on-both-halves-at-once, by round: min %.3f, median %.3f, max %.3f (bench/split_bench.sh for more rounds)\n", r[1], r[int((NR + 1) / 2)], r[NR] }'
echo "peak memory, split: 180 s ${peak180} KiB (ffmpeg ${peakff180} KiB); 30 min ${peak30} KiB in ${time30} s (ffmpeg ${peakff30} KiB in ${timeff30} s)"
echo "decoded samples of the 180 s piece: source $((lensrc / 4)), split $((lensplit / 4)), --no-split $((lenone / 4))"
awk -v a="$sp" -v b="$t180" 'BEGIN { printf "single 180 s split convert/ffmpeg time ratio: %.2f\n", a / b }'
awk -v a="$ns" -v b="$t180" 'BEGIN { printf "single 180 s --no-split convert/ffmpeg time ratio: %.2f\n", a / b }'
awk -v a="$(median "${split48[@]}")" -v b="$(median "${theirs48[@]}")" 'BEGIN { printf "single 180 s at 48 kHz to 44.1 kHz, split convert/ffmpeg time ratio: %.2f\n", a / b }'
awk -v a="$snrsplit" -v b="$snrone" 'BEGIN { printf "SNR against the source: split %.3f dB, --no-split %.3f dB, difference %.3f dB\n", a, b, a - b }'
b=$(median "${batch[@]}"); tb=$(median "${theirsbatch[@]}")
echo "median single ($(basename "$longest"), $(ffprobe -v error -show_entries format=duration -of csv=p=0 "$longest") s): brindlewave-convert $s s, -j 1 $s1 s, ffmpeg $t s"
echo "encoder alone on the decoded float samples: $alone s"
echo "median batch of four: brindlewave-convert $b s, ffmpeg one after the other $tb s"
bnv=$(median "${batchnv[@]}")
awk -v a="$b" -v b="$bnv" 'BEGIN { printf "median batch of four, verified %s s, --no-verify %s s: time ratio %.3f\n", a, b, a / b }'
echo "peak memory: one piece ${peak1} KiB, 30 min ${peak30} KiB; two pieces -j 1 ${peakserial} KiB, -j 2 ${peakj2} KiB; batch ${peakbatch} KiB"
awk -v a="$s1" -v b="$t" 'BEGIN { printf "single -j 1 convert/ffmpeg time ratio: %.2f\n", a / b }'
awk -v a="$s" -v b="$t" 'BEGIN { printf "single convert/ffmpeg time ratio: %.2f\n", a / b }'
awk -v a="$b" -v b="$tb" 'BEGIN { printf "batch convert/ffmpeg time ratio: %.2f\n", a / b }'
gon=$(median "${gainon[@]}"); goff=$(median "${gainoff[@]}")
awk -v a="$gon" -v b="$goff" 'BEGIN { printf "median batch of four: ReplayGain album and verification %s s, neither %s s, ratio %.3f\n", a, b, a / b }'
awk -v a="$(median "${gainone[@]}")" -v b="$s" 'BEGIN { printf "median single: ReplayGain album and verification %s s, neither %s s, ratio %.3f\n", a, b, a / b }'

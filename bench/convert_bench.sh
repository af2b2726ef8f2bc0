#!/usr/bin/env bash
# Times brindlewave-convert against the ffmpeg command line on the same input and
# the same encoder settings (192 kbps, LAME quality 2), and compares peak memory
# on a short and a long input.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tool="$root/build/release/brindlewave-convert"
encoder="$root/build/release/bench/encode_bench"
"$root/scripts/setup" --bench >&2
[ -x "$tool" ] && [ -x "$encoder" ] || { echo "build first: make build" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

# Music-like content: tones over pink noise. Pure tones would flatter whichever
# side keeps more precision than 16 bits, which is not what is being measured.
make_wma() {  # seconds, file
  ffmpeg -loglevel error -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$1" \
    -f lavfi -i "sine=frequency=660:sample_rate=44100:duration=$1" \
    -f lavfi -i "anoisesrc=color=pink:amplitude=0.2:sample_rate=44100:duration=$1:seed=7" \
    -filter_complex "[0][2]amix=inputs=2[l];[1][2]amix=inputs=2[r];[l][r]amerge=inputs=2" \
    -c:a wmav2 -b:a 128k "$2"
}

seconds() { awk '{print $1}' "$1"; }
peak_kib() { awk '{print $2}' "$1"; }

make_wma 180 "$work/in.wma"
declare -a ours theirs
for i in 1 2 3; do
  /usr/bin/time -f "%e %M" -o "$work/t1" "$tool" -b 192 -o "$work/out" "$work/in.wma" > /dev/null
  rm -f "$work/out/in.mp3"
  /usr/bin/time -f "%e %M" -o "$work/t2" ffmpeg -loglevel error -y -i "$work/in.wma" \
    -c:a libmp3lame -b:a 192k -compression_level 2 "$work/ff.mp3"
  ours+=("$(seconds "$work/t1")"); theirs+=("$(seconds "$work/t2")")
  echo "run $i: brindlewave-convert $(seconds "$work/t1") s ($(peak_kib "$work/t1") KiB), ffmpeg $(seconds "$work/t2") s ($(peak_kib "$work/t2") KiB)"
done
# The same encoder fed 16-bit samples, as the pipeline feeds it: shows what the
# pipeline itself costs, apart from the input precision.
/usr/bin/time -f "%e %M" -o "$work/t5" ffmpeg -loglevel error -y -i "$work/in.wma" -af aformat=sample_fmts=s16 \
  -c:a libmp3lame -b:a 192k -compression_level 2 "$work/ff16.mp3"
# The encoder alone on the decoded 16-bit samples, called directly: the floor for
# any converter that hands the encoder 16-bit PCM.
ffmpeg -loglevel error -y -i "$work/in.wma" -f s16le -c:a pcm_s16le "$work/in.s16"
alone=$("$encoder" "$work/in.s16" | sed -n 's/^median lame: \([0-9.]*\) s$/\1/p')
rm -f "$work/in.s16"
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
m1=$(median "${ours[@]}"); m2=$(median "${theirs[@]}")
peak_short=$(peak_kib "$work/t1")

make_wma 1800 "$work/long.wma"
/usr/bin/time -f "%e %M" -o "$work/t3" "$tool" -b 192 -o "$work/out" "$work/long.wma" > /dev/null
/usr/bin/time -f "%e %M" -o "$work/t4" ffmpeg -loglevel error -y -i "$work/long.wma" \
  -c:a libmp3lame -b:a 192k -compression_level 2 "$work/ff-long.mp3"
echo "median 180 s: brindlewave-convert ${m1} s, ffmpeg ${m2} s (ffmpeg on 16-bit samples: $(seconds "$work/t5") s)"
echo "encoder alone on the decoded 16-bit samples: ${alone} s"
awk -v a="$m1" -v b="$alone" 'BEGIN { printf "convert/encoder-alone time ratio: %.2f\n", a / b }'
echo "peak memory, 3 min: ${peak_short} KiB; 30 min: $(peak_kib "$work/t3") KiB (ffmpeg: $(peak_kib "$work/t4") KiB)"
awk -v a="$m1" -v b="$m2" 'BEGIN { printf "convert/ffmpeg time ratio: %.2f\n", a / b }'

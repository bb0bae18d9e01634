#!/usr/bin/env bash
# The export's three figures on the busy reference movie (800 x 600), each
# against a peer measured in the same run:
#  1. MP4 export time against the movie's real-time length;
#  2. our MP4 export against rendering a PNG sequence with our command-line
#     tool and encoding it with the ffmpeg program at the same settings;
#  3. our GIF against ffmpeg's two-pass palette GIF of the same frames: size,
#     and SSIM against the rendered frames.
# Usage: bench/figures/export-figures.sh [BUILD_FOLDER] (run it under the build lock).
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
cli="$build/program/glimmora-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/bench/glimmora-bench-projects" "$work" busy >/dev/null
"$cli" build "$work/busy/busy.gmr" -o "$work/busy.swf" >/dev/null
read -r frames rate < <(python3 - "$work/busy.swf" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
body = data[:8] + (zlib.decompress(data[8:]) if data[:3] == b"CWS" else data[8:])
bits = 5 + 4 * (body[8] >> 3)
at = 8 + (bits + 7) // 8
print(struct.unpack("<H", body[at + 2:at + 4])[0], body[at + 1] + body[at] / 256)
PY
)
last=$((frames - 1))
seconds() { local start end; start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N); echo "$end - $start" | bc; }
x264=(-c:v libx264 -preset veryfast -tune animation -crf 19 -pix_fmt yuv420p)

ours_mp4=$(seconds "$cli" export "$work/busy.swf" -o "$work/ours.mp4")
mkdir "$work/png"
render=$(seconds "$cli" render "$work/busy.swf" --frames "0-$last" -o "$work/png/f_%d.png")
encode=$(seconds ffmpeg -y -framerate "$rate" -start_number 0 -i "$work/png/f_%d.png" "${x264[@]}" "$work/peer.mp4")
length=$(echo "$frames / $rate" | bc -l)

ours_gif=$(seconds "$cli" export "$work/busy.swf" -o "$work/ours.gif")
peer_gif=$(seconds ffmpeg -y -framerate "$rate" -start_number 0 -i "$work/png/f_%d.png" \
  -filter_complex "[0:v]split[a][b];[a]palettegen[p];[b][p]paletteuse" "$work/peer.gif")
ssim() {
  ffmpeg -i "$1" -framerate "$rate" -start_number 0 -i "$work/png/f_%d.png" \
    -lavfi "[0:v]format=rgb24[a];[1:v]format=rgb24[b];[a][b]ssim" -f null - 2>&1 |
    sed -n 's/.*All:\([0-9.]*\).*/\1/p' | tail -1
}
size() { stat -c %s "$1"; }

echo "movie: $frames frames at $rate fps = $(printf %.1f "$length") s; load: $(cut -d' ' -f1-3 /proc/loadavg)"
printf "1. MP4 export %.2f s = %.1fx faster than real time (goal: at least 10x)\n" \
  "$ours_mp4" "$(echo "$length / $ours_mp4" | bc -l)"
printf "2. MP4 export %.2f s vs PNG sequence %.2f s + ffmpeg %.2f s: ratio %.3f (goal: at most 0.6)\n" \
  "$ours_mp4" "$render" "$encode" "$(echo "$ours_mp4 / ($render + $encode)" | bc -l)"
printf "3. GIF ours %d bytes (%.2f s), SSIM %s; ffmpeg two-pass palette %d bytes (%.2f s), SSIM %s; size ratio %.3f\n" \
  "$(size "$work/ours.gif")" "$ours_gif" "$(ssim "$work/ours.gif")" \
  "$(size "$work/peer.gif")" "$peer_gif" "$(ssim "$work/peer.gif")" \
  "$(echo "$(size "$work/ours.gif") / $(size "$work/peer.gif")" | bc -l)"

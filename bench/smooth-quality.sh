#!/usr/bin/env bash
# Quality of smooth thumbnails: PSNR of vok-batch --smooth and of vipsthumbnail against a reference
# (djpeg -dct float's full decode, resized by ImageMagick with a Lanczos filter to the same size),
# for every photo of a folder at a few boxes. Prints one row a photo and box, then the averages.
#
#   bench/smooth-quality.sh [PHOTOS_FOLDER] [BOX...]      (boxes default: 160x120 320x240 640x480)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
photos=${1:-$repo/../shared/photos}
shift || true
boxes=("$@")
[[ ${#boxes[@]} -gt 0 ]] || boxes=(160x120 320x240 640x480)
vok=${VOK_BATCH:-$repo/build/dev/app/vok-batch}
work=$(mktemp -d "${TMPDIR:-/tmp}/vok-quality.XXXXXX")
trap 'rm -rf -- "$work"' EXIT
export VOK_SETTINGS_FILE=$work/settings

# compare prints the figure on standard error, sometimes followed by a warning on the same line.
psnr() {
  local figure
  figure=$(compare -metric PSNR "$1" "$2" null: 2>&1 | grep -oE '^(inf|[0-9.]+)' || true)
  [[ $figure == inf ]] && figure=99
  echo "${figure:-0}"
}

printf '%-52s %9s %8s %8s %7s\n' photo box vok vips "vok-vips"
for box in "${boxes[@]}"; do
  rm -rf "$work/in"
  mkdir -p "$work/in"
  cp -- "$photos"/*.jpg "$work/in/"
  "$vok" --quiet --smooth --ignore-size 0x0 "$work/in" "$work/in" "${box%x*}" "${box#*x}" s_ NULL
  for made in "$work"/in/s_*.jpg; do
    name=${made##*/s_}
    size=$(identify -format '%wx%h' "$made")
    djpeg -dct float -pnm "$work/in/$name" >"$work/full.pnm"
    convert "$work/full.pnm" -filter Lanczos -resize "$size!" "$work/reference.ppm"
    vipsthumbnail "$work/in/$name" --no-rotate -s "$size!" -o "$work/vips.jpg[Q=90,subsample-mode=on]"
    printf '%-52s %9s %8.2f %8.2f %7.2f\n' "$name" "$box" "$(psnr "$made" "$work/reference.ppm")" \
      "$(psnr "$work/vips.jpg" "$work/reference.ppm")" 0 |
      awk '{ $5 = sprintf("%.2f", $3 - $4); printf "%-52s %9s %8s %8s %7s\n", $1, $2, $3, $4, $5 }'
  done
done | tee "$work/rows"
awk '{ v += $3; s += $4; n++; if (min == "" || $5 < min) min = $5 }
  END { printf "average over %d: vok %.2f dB, vips %.2f dB; worst vok-vips %.2f dB\n", n, v / n, s / n, min }' \
  "$work/rows"

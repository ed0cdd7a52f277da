#!/usr/bin/env bash
# Times vok-batch against the JPEG decode floor and two common thumbnailers on one folder of photos,
# all into a 160 x 120 box. Not a test: it prints a table and always leaves the photos untouched.
#
#   bench/benchmark.sh [PHOTOS_FOLDER]
#
# Environment: RUNS (best of, default 3), JOBS (default: nproc), VOK_BATCH (default
# build/dev/app/vok-batch), CONVERT (default: convert), MANY (folder sizes of the many-small-pictures
# rows, default "5000 20000"; empty skips them), VOK (the desktop program, default build/dev/app/vok;
# its section is skipped when it is not built). A missing tool is skipped with a note; a failing one
# is reported with its output and the others still run.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
photos=${1:-$repo/../shared/photos}
runs=${RUNS:-3}
jobs=${JOBS:-$(nproc)}
vok=${VOK_BATCH:-$repo/build/dev/app/vok-batch}
convert_tool=${CONVERT:-convert}
many_counts=${MANY-5000 20000}
box_x=160
box_y=120

die() { echo "benchmark: $*" >&2; exit 1; }

[[ -d $photos ]] || die "no such folder: $photos"
photos=$(cd "$photos" && pwd)
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive whole number, not '$runs'"
[[ $jobs =~ ^[1-9][0-9]*$ ]] || die "JOBS must be a positive whole number, not '$jobs'"
for n in $many_counts; do
  [[ $n =~ ^[1-9][0-9]*$ ]] || die "MANY must list positive whole numbers, not '$n'"
done

if [[ ! -x /usr/bin/time ]]; then
  echo "GNU time is missing; installing the benchmark packages" >&2
  "$repo/scripts/install-deps.sh" --bench
fi

# The same selection as the program's file list: *.jpg and *.jpeg of the folder itself.
mapfile -d '' -t names < <(find "$photos" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) \
  -printf '%f\0' | sort -z)
count=${#names[@]}
[[ $count -gt 0 ]] || die "no JPEG files in $photos"

work=$(mktemp -d "${TMPDIR:-/tmp}/vok-bench.XXXXXX")
cleanup() { rm -rf -- "$work"; }
trap cleanup EXIT
# vok-batch reads and may create its settings store: keep it out of the user's.
export VOK_SETTINGS_FILE="$work/settings"
trap 'exit 130' INT TERM

# Tools named by a path must keep working from inside the run folders.
absolute() { if [[ $1 == */* && $1 != /* ]]; then echo "$PWD/$1"; else echo "$1"; fi; }
vok=$(absolute "$vok")
convert_tool=$(absolute "$convert_tool")
have() { if [[ $1 == */* ]]; then [[ -x $1 ]]; else command -v "$1" >/dev/null; fi; }

# pixels FILE: width times height, read from the header only.
pixels() {
  local size
  if size=$(identify -ping -quiet -format '%w %h' "$1" 2>/dev/null) && [[ -n $size ]]; then
    echo $(( ${size% *} * ${size#* } ))
  else
    # djpeg -verbose reports "Start Of Frame 0xc0: width=W, height=H, components=3".
    djpeg -verbose "$1" 2>&1 >/dev/null |
      awk -F'[=,]' '/Start Of Frame/ { print $2 * $4; exit }'
  fi
}

largest=""
largest_pixels=0
for name in "${names[@]}"; do
  p=$(pixels "$photos/$name")
  if (( p > largest_pixels )); then largest=$name; largest_pixels=$p; fi
done

# seconds START END: the time between two `date +%s%N` readings, in seconds.
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f\n", (b - a) / 1e9 }'; }
# median: the median of the numbers on standard input, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# set_aside DIR: moves DIR out of the way. Not removed: the file system is slow to make files right
# after a mass removal, which would be charged to the command timed next. Everything goes at the end.
set_aside() {
  if [[ -e $1 ]]; then
    mkdir -p "$work/old"
    mv -- "$1" "$(mktemp -d "$work/old/run.XXXXXX")"
  fi
}

# fresh_copy DIR [NAME...]: DIR/photos holds a copy of the given photos (all when none are named),
# or hard links to the folder $linked when that is set (the pictures are only read).
linked=""
fresh_copy() {
  local dir=$1; shift
  local list=("$@")
  [[ ${#list[@]} -gt 0 ]] || list=("${names[@]}")
  set_aside "$dir"
  mkdir -p "$dir/out"
  if [[ -n $linked ]]; then
    cp -al -- "$linked" "$dir/photos"
    return
  fi
  mkdir "$dir/photos"
  local name
  for name in "${list[@]}"; do cp -- "$photos/$name" "$dir/photos/"; done
}

# The commands under test. Each runs in $run with the copy in ./photos; outputs go to ./photos/th
# (vok-batch, whose thumbnail folder must lie directly inside the Original one) or to ./out.
vok_cmd() { # vok_cmd JOBS [--html --multi-page]
  local n=$1; shift
  mkdir photos/th
  "$vok" --jobs "$n" "$@" "$PWD/photos" "$PWD/photos/th" "$box_x" "$box_y" _ NULL >/dev/null
}
djpeg_cmd() {
  local f
  for f in photos/*; do djpeg -dct float "$f" >/dev/null; done
}
vips_cmd() {
  vipsthumbnail -s "${box_x}x${box_y}" -o "$PWD/out/%s.jpg[Q=90]" photos/*
}
convert_cmd() {
  local f
  for f in photos/*; do
    "$convert_tool" "$f" -thumbnail "${box_x}x${box_y}" -quality 90 "out/${f##*/}"
  done
}
export -f vok_cmd djpeg_cmd vips_cmd convert_cmd
export vok box_x box_y convert_tool

# measure LABEL FUNCTION [ARGS...] -- [NAME...]: best wall time of $runs runs on fresh copies of the
# named photos (all when none), and the largest peak resident size seen. Sets best_s and peak_kb.
measure() {
  local fn_args=()
  while [[ $1 != -- ]]; do fn_args+=("$1"); shift; done
  shift
  best_s="" peak_kb=0
  local i start end secs kb status run=$work/run
  for ((i = 0; i < runs; i++)); do
    fresh_copy "$run" "$@"
    sync  # the copy's writes are not the command's
    start=$(date +%s%N)
    status=0
    (cd "$run" && /usr/bin/time -f %M -o "$work/rss" bash -ec '"$@"' _ "${fn_args[@]}") \
      >"$work/log" 2>&1 || status=$?
    if ((status != 0)); then
      best_s=""
      return "$status"
    fi
    end=$(date +%s%N)
    secs=$(seconds "$start" "$end")
    kb=$(tail -n1 "$work/rss")
    if [[ -z $best_s ]] || awk -v a="$secs" -v b="$best_s" 'BEGIN { exit !(a < b) }'; then
      best_s=$secs
    fi
    (( kb > peak_kb )) && peak_kb=$kb
  done
  set_aside "$run"
}

rows=()
# row LABEL PHOTOS TOOL FUNCTION [ARGS...] -- [NAME...]
row() {
  local label=$1 n=$2 tool=$3; shift 3
  if ! have "$tool"; then
    rows+=("$label|$n|skipped: $tool not found||")
    return
  fi
  local status=0
  measure "$@" || status=$?
  if ((status != 0)); then
    rows+=("$label|$n|failed with status $status, output below||")
    { echo "--- $label: exit status $status, last lines of its output:"; tail -n 20 "$work/log"; } \
      >>"$work/failures"
    return
  fi
  rows+=("$label|$n|$best_s|$peak_kb|")
}

echo "Photos: $photos ($count files, largest $largest, $((largest_pixels / 1000000)) MP)"
echo "Box ${box_x} x ${box_y}; best of $runs; $jobs jobs; $(nproc) CPUs"
echo

row "vok-batch --jobs 1" "$count" "$vok" vok_cmd 1 --
row "vok-batch --jobs $jobs" "$count" "$vok" vok_cmd "$jobs" --
row "vok-batch --jobs 1 --html --multi-page" "$count" "$vok" vok_cmd 1 --html --multi-page --
row "vok-batch --jobs $jobs --html --multi-page" "$count" "$vok" vok_cmd "$jobs" --html --multi-page --
row "djpeg -dct float (decode floor)" "$count" djpeg djpeg_cmd --
row "vipsthumbnail (one process)" "$count" vipsthumbnail vips_cmd --
row "convert -thumbnail (per file)" "$count" "$convert_tool" convert_cmd --
single_from=${#rows[@]}
row "vok-batch --jobs 1, largest photo" 1 "$vok" vok_cmd 1 -- "$largest"
row "djpeg -dct float, largest photo" 1 djpeg djpeg_cmd -- "$largest"
row "vipsthumbnail, largest photo" 1 vipsthumbnail vips_cmd -- "$largest"
row "convert -thumbnail, largest photo" 1 "$convert_tool" convert_cmd -- "$largest"

# Many small pictures: N pictures of 640 x 480 (four distinct ones, hard-linked under many names).
# With --html the size check makes every thumbnail before the run writes it, so these rows show
# whether what waits in between stays bounded in memory and what it costs in time.
many_from=${#rows[@]}
declare -A update_s
update_rows=()
if [[ -n $many_counts ]] && have "$vok" && have "$convert_tool"; then
  mkdir "$work/small"
  for i in 0 1 2 3; do
    "$convert_tool" "$photos/${names[$((i * count / 4))]}" -resize '640x480^' -gravity center \
      -extent 640x480 -quality 90 "$work/small/s$i.jpg"
  done
  for n in $many_counts; do
    linked=$work/many-$n
    mkdir "$linked"
    perl -e 'my ($from, $to, $n) = @ARGV;
      for (0 .. $n - 1) {
        link("$from/s" . ($_ % 4) . ".jpg", sprintf("%s/p%06d.jpg", $to, $_)) or die "$!\n";
      }' "$work/small" "$linked" "$n"
    row "vok-batch --jobs $jobs, 640x480" "$n" "$vok" vok_cmd "$jobs" --
    row "vok-batch --jobs $jobs --html, 640x480" "$n" "$vok" vok_cmd "$jobs" --html --
    # A re-run with --update over the folder the full run left: every thumbnail up to date.
    set_aside "$work/update"
    mkdir -p "$work/update"
    cp -al -- "$linked" "$work/update/photos"
    mkdir "$work/update/photos/th"
    for pass in full again; do
      start=$(date +%s%N)
      "$vok" --jobs "$jobs" --html --update --quiet "$work/update/photos" "$work/update/photos/th" \
        "$box_x" "$box_y" _ NULL
      end=$(date +%s%N)
      update_s[$pass]=$(seconds "$start" "$end")
    done
    update_rows+=("$n|${update_s[full]}|${update_s[again]}")
    rm -rf -- "$linked"
    linked=""
  done
fi

# seconds_of ROW: the row's time, or nothing when it did not run.
seconds_of() {
  local secs
  IFS='|' read -r _ _ secs _ <<<"${rows[$1]}"
  if [[ $secs =~ ^[0-9.]+$ ]]; then echo "$secs"; fi
}
# Whole-folder rows compare with vok-batch --jobs N, single-photo rows with vok-batch on that photo,
# many-picture rows with vok-batch without --html on the same folder.
whole_ref=$(seconds_of 1)
single_ref=$(seconds_of "$single_from")

printf '%-42s %8s %9s %9s %9s\n' tool seconds photos/s ratio "peak MiB"
printf '%s\n' "$(printf '%.0s-' {1..81})"
for i in "${!rows[@]}"; do
  IFS='|' read -r label n secs kb _ <<<"${rows[$i]}"
  ref=$whole_ref
  if ((i >= many_from)); then
    ref=$(seconds_of $((i - (i - many_from) % 2)))
    ((i == many_from)) && echo
  elif ((i >= single_from)); then
    ref=$single_ref
    ((i == single_from)) && echo
  fi
  if [[ ! $secs =~ ^[0-9.]+$ ]]; then
    printf '%-42s %s\n' "$label" "$secs"
    continue
  fi
  awk -v label="$label" -v n="$n" -v s="$secs" -v kb="$kb" -v ref="$ref" 'BEGIN {
    rate = s > 0 ? sprintf("%.2f", n / s) : "-"
    ratio = (ref != "" && ref > 0) ? sprintf("%.2fx", s / ref) : "n/a"
    printf "%-42s %8.3f %9s %9s %9.1f\n", label, s, rate, ratio, kb / 1024
  }'
done
echo
echo "ratio: the tool's time over vok-batch --jobs $jobs on the whole folder (upper rows), over"
echo "vok-batch --jobs 1 on the largest photo (middle rows), or over the same folder without --html"
echo "(640x480 rows); above 1 means slower."
echo "peak MiB: the largest resident size of any one process of the command (GNU time %M)."
if [[ -s $work/failures ]]; then
  echo
  cat "$work/failures"
fi

if [[ ${#update_rows[@]} -gt 0 ]]; then
  echo
  echo "Re-runs with --update --html (640x480 pictures): the first run makes everything, the next"
  echo "finds every thumbnail up to date"
  for r in "${update_rows[@]}"; do
    IFS='|' read -r n first again <<<"$r"
    awk -v n="$n" -v a="$first" -v b="$again" \
      'BEGIN { printf "%6d pictures: full %.3f s, re-run %.3f s (%.1f %%)\n", n, a, b, 100 * b / a }'
  done
fi

# Smooth thumbnails: vok-batch --smooth --jobs 2 against one vipsthumbnail call over the same
# photos at 160 x 120 (median of paired runs, peak memory), then their quality against a Lanczos
# resize of the full float decode (bench/smooth-quality.sh).
if have vipsthumbnail; then
  smooth_runs=$(( runs < 5 ? 5 : runs ))
  : >"$work/t-smooth"
  : >"$work/t-vips"
  for ((i = 0; i < smooth_runs; i++)); do
    for tool in smooth vips; do
      set_aside "$work/sm"
      mkdir -p "$work/sm/out"
      cp -al -- "$photos" "$work/sm/photos" 2>/dev/null || cp -r -- "$photos" "$work/sm/photos"
      sync
      start=$(date +%s%N)
      if [[ $tool == smooth ]]; then
        /usr/bin/time -f %M -o "$work/rss-$tool" "$vok" --quiet --smooth --jobs 2 --ignore-size 0x0 \
          "$work/sm/photos" "$work/sm/photos" "$box_x" "$box_y" s_ NULL
      else
        /usr/bin/time -f %M -o "$work/rss-$tool" vipsthumbnail -s "${box_x}x${box_y}" \
          -o "$work/sm/out/%s.jpg[Q=90,subsample-mode=on]" "${names[@]/#/$work/sm/photos/}" 2>/dev/null
      fi
      end=$(date +%s%N)
      seconds "$start" "$end" >>"$work/t-$tool"
      tail -n1 "$work/rss-$tool" >>"$work/m-$tool"
    done
  done
  smooth_s=$(median <"$work/t-smooth")
  vips_s=$(median <"$work/t-vips")
  echo
  echo "Smooth thumbnails, ${box_x} x ${box_y} ($count photos, median of $smooth_runs paired runs; load $(cut -d' ' -f1 /proc/loadavg))"
  awk -v s="$smooth_s" -v v="$vips_s" -v ms="$(sort -g "$work/m-smooth" | tail -n1)" \
    -v mv="$(sort -g "$work/m-vips" | tail -n1)" 'BEGIN {
    printf "%-42s %8.3f s %8.1f MiB\n", "vok-batch --smooth --jobs 2", s, ms / 1024
    printf "%-42s %8.3f s %8.1f MiB\n", "vipsthumbnail (one call)", v, mv / 1024
    printf "ratio %.2f (time), %.2f (peak memory)\n", s / v, ms / mv
  }'
  echo
  echo "Smooth thumbnails: PSNR against ImageMagick's Lanczos resize of the float decode"
  "$repo/bench/smooth-quality.sh" "$photos" 160x120 320x240 640x480 | tail -n1
fi

# The desktop program, without a display: its six-argument run against vok-batch over the photos
# copied five times (so that start-up does not dominate), then the window figures of vok-ui-bench.
desktop=${VOK:-$repo/build/dev/app/vok}
ui_bench=$(dirname "$desktop")/../bench/vok-ui-bench
if ! have "$desktop" || ! have "$ui_bench"; then
  echo
  echo "Desktop program: skipped ($desktop or $ui_bench not built)"
  exit 0
fi
export QT_QPA_PLATFORM=offscreen
five=$work/five
mkdir -p "$five"
for k in 1 2 3 4 5; do
  for name in "${names[@]}"; do ln -- "$photos/$name" "$five/$k-$name" 2>/dev/null || cp -- "$photos/$name" "$five/$k-$name"; done
done
# timed_run OUT COMMAND...: runs the command on a fresh copy of $five with thumbnails into
# ./th, prints its wall time in seconds and keeps the thumbnails in OUT.
timed_run() {
  local out=$1; shift
  set_aside "$work/desk"
  mkdir -p "$work/desk"
  cp -al -- "$five" "$work/desk/photos"
  mkdir "$work/desk/photos/th"
  sync
  local start end
  start=$(date +%s%N)
  "$@" "$work/desk/photos" "$work/desk/photos/th" "$box_x" "$box_y" _ NULL >/dev/null 2>"$work/desk-err" ||
    { echo "failed: $*" >&2; cat "$work/desk-err" >&2; return 1; }
  end=$(date +%s%N)
  set_aside "$out"
  mv "$work/desk/photos/th" "$out"
  seconds "$start" "$end"
}
desk_runs=$(( runs < 3 ? 3 : runs ))
: >"$work/t-batch"
: >"$work/t-desk"
for ((i = 0; i < desk_runs; i++)); do
  timed_run "$work/th-batch" "$vok" >>"$work/t-batch"
  timed_run "$work/th-desk" "$desktop" >>"$work/t-desk"
done
same="identical thumbnails"
diff -rq "$work/th-batch" "$work/th-desk" >/dev/null || same="THUMBNAILS DIFFER"
batch_s=$(median <"$work/t-batch")
desk_s=$(median <"$work/t-desk")
start_s=$(for ((i = 0; i < desk_runs; i++)); do
  start=$(date +%s%N); "$desktop" a b c d e >/dev/null 2>&1 || true; end=$(date +%s%N)
  seconds "$start" "$end"
done | median)

echo
echo "Desktop program ($((count * 5)) photos: the folder five times; median of $desk_runs paired runs)"
printf '%-42s %8s %9s\n' run seconds ratio
printf '%s\n' "$(printf '%.0s-' {1..61})"
printf '%-42s %8.3f %9s\n' "vok-batch (default jobs)" "$batch_s" 1.00x
awk -v s="$desk_s" -v r="$batch_s" 'BEGIN { printf "%-42s %8.3f %8.2fx\n", "vok, six arguments (offscreen)", s, s / r }'
printf '%-42s %8.3f\n' "vok started and ended (five arguments)" "$start_s"
echo "$same (vok against vok-batch)"
echo
echo "Windows (vok-ui-bench: offscreen, in one process)"
mkdir -p "$work/many-files"
perl -e 'my ($from, $to) = @ARGV;
  for (0 .. 4999) { link($from, sprintf("%s/p%05d.jpg", $to, $_)) or die "$!\n"; }' \
  "$photos/${names[0]}" "$work/many-files"
set_aside "$work/desk"
mkdir -p "$work/desk"
cp -al -- "$five" "$work/desk/photos"
"$ui_bench" "$work/desk/photos" "$work/many-files" 2>/dev/null

#!/usr/bin/env bash
# Renders the program's SVG pictures into the PNG files that the build uses (and commits):
# the icon at the usual sizes, the title picture and logo, the button glyphs at 1x and 2x.
# Needs rsvg-convert (Debian librsvg2-bin) and the Liberation fonts; run it after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")/../ui/pictures"
render() { rsvg-convert --width "$2" --height "$3" "$1" --output "$4"; }
for size in 16 22 24 32 48 64 128 256; do
  render vok.svg "$size" "$size" "icons/vok-$size.png"
done
render title.svg 182 65 title.png
render title.svg 185 61 logo.png
for glyph in glyphs/*.svg; do
  render "$glyph" 16 16 "${glyph%.svg}.png"
  render "$glyph" 32 32 "${glyph%.svg}@2x.png"
done
if command -v optipng >/dev/null; then optipng -quiet -o5 icons/*.png ./*.png glyphs/*.png; fi

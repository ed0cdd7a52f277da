#!/usr/bin/env bash
# Installs what is missing, builds, and makes thumbnails and a multi-page catalog of the bundled
# sample photos in a copy under build/demo (the samples themselves are only read). Prints the
# path of the catalog's first page.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh dev >/dev/null
demo=build/demo/photos
rm -rf build/demo
mkdir -p "$demo/thumbs"
cp samples/photos/*.jpg "$demo"/
# The demo keeps its settings beside it, so that it neither reads nor changes the user's.
VOK_SETTINGS_FILE="$PWD/build/demo/settings" build/dev/app/vok-batch \
  --html --multi-page --columns 2 --rows 1 --title "Vok sample photos" \
  "$demo" "$demo/thumbs" 160 120 _ NULL
echo
echo "First catalog page: $(realpath "$demo/index.html")"

#!/usr/bin/env bash
# Installs what is missing, builds, and makes thumbnails and a catalog of the bundled sample photos
# in a copy under build/demo (the samples themselves are only read).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh dev >/dev/null
demo=build/demo/photos
rm -rf build/demo
mkdir -p "$demo"
cp samples/photos/*.jpg "$demo"/
build/dev/app/vok-batch "$demo" "$demo/thumbs" 160 120 _ NULL

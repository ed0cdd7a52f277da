#!/usr/bin/env bash
# Builds the Debian package build/release/vok_<version>_<architecture>.deb (release build, no
# tests) and prints its path. Install it with: sudo apt install ./build/release/vok_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
scripts/build.sh release "$@" >&2
cd build/release
rm -f vok_*.deb
cpack -G DEB >&2
ls "$PWD"/vok_*.deb

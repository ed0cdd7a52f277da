#!/usr/bin/env bash
# Configures and builds one preset (dev by default; asan, tsan) into build/<preset>; further
# arguments go to the configure step (scripts/build.sh dev -DVOK_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
shift || true
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"

#!/usr/bin/env bash
# Configures and builds one preset (dev by default; asan, tsan) into build/<preset>.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
cmake --preset "$preset" -G Ninja >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"

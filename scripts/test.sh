#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the plain build and once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in dev asan; do
  echo "== $preset build" >&2
  scripts/build.sh "$preset"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --preset "$preset" -j "$(nproc)"
done

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: in the plain build, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and under ThreadSanitizer (the tool decodes on
# several threads; the Qt window tests are left out there, as Qt itself is not built for it and
# its own threads would be reported), and the Debian package as installed. The tree must be
# formatted and build without a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
scripts/check-layers.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1
for preset in dev asan tsan; do
  echo "== $preset build" >&2
  scripts/build.sh "$preset" -DVOK_WERROR=ON
  ctest --preset "$preset" -j "$(nproc)"
done
# The Debian package, unpacked and used as installed (release build).
scripts/check-package.sh

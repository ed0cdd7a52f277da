#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs each for a bounded time
# (VOK_FUZZ_SECONDS, 30 by default). Findings go to build/fuzz/artifacts; the corpus grows in
# build/fuzz/corpus, seeded from fuzz/corpus. Not part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${VOK_FUZZ_SECONDS:-30}
build=build/fuzz
targets=(store_parser_fuzz whole_number_fuzz)

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOK_FUZZ=ON -DVOK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  corpus=$build/corpus/$name
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s" >&2
  "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" "fuzz/corpus/$name"
done

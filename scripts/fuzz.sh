#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs each for a bounded time
# (VOK_FUZZ_SECONDS, 30 by default). Findings go to build/fuzz/artifacts; the corpus grows in
# build/fuzz/corpus, seeded from fuzz/corpus (the picture path from the JPEG test corpus). Not
# part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${VOK_FUZZ_SECONDS:-30}
build=build/fuzz
targets=(store_parser_fuzz whole_number_fuzz picture_path_fuzz)

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOK_FUZZ=ON -DVOK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  corpus=$build/corpus/$name
  seeds=fuzz/corpus/$name
  [[ $name == picture_path ]] && seeds=tests/data/jpeg
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s" >&2
  # Pictures may take a few hundred MiB and a second or two to decode.
  "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=60 \
    -rss_limit_mb=4096 -artifact_prefix="$build/artifacts/$target-" "$corpus" "$seeds"
done

#!/bin/bash
# Builds the map reader's fuzz target with clang and runs it for a bounded time.
# Usage: tests/fuzz/run.sh [seconds]   (default 20)
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-20}"
out="${FUZZ_BUILD_DIR:-/tmp/hoshimori-fuzz-build}"
mkdir -p "$out"
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" \
    "$root/tests/fuzz/fuzz_map.cpp" \
    "$root/world/MapFile.cpp" \
    "$root/platform/script/ScriptPlatform.cpp" \
    -o "$out/fuzz_map"
# A scratch copy of the seeds: new inputs the fuzzer finds never land in the repository.
corpus="$out/corpus_map"
rm -rf "$corpus"
cp -r "$root/tests/fuzz/corpus_map" "$corpus"
cd "$out"
./fuzz_map -max_total_time="$seconds" -max_len=40000 -timeout=10 -print_final_stats=1 "$corpus"

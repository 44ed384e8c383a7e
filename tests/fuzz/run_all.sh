#!/bin/bash
# Builds every file reader's fuzz target with clang and runs each for a bounded time:
# the map file (run.sh), the key chart and the PNG decoder.
# Usage: tests/fuzz/run_all.sh [seconds-per-target]   (default 15)
# The committed seeds run first, so an input that once crashed a reader stays checked.
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-15}"
out="${FUZZ_BUILD_DIR:-/tmp/hoshimori-fuzz-build}"
mkdir -p "$out"
flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root")

map_status=0
FUZZ_BUILD_DIR="$out" bash "$root/tests/fuzz/run.sh" "$seconds" >"$out/map.log" 2>&1 || map_status=1
grep -E '^Done' "$out/map.log" | sed 's/^/map fuzzer: /' || true
if [ $map_status != 0 ]; then
    grep -E 'ERROR|SUMMARY|Test unit written|error' "$out/map.log" >&2 || true
    echo "map fuzzer FAILED (log $out/map.log)" >&2
fi

clang++ "${flags[@]}" "$root/tests/fuzz/fuzz_keychart.cpp" "$root/input/Typing.cpp" \
    "$root/input/InputSystem.cpp" "$root/platform/script/ScriptPlatform.cpp" -lGL -o "$out/fuzz_keychart"
clang++ "${flags[@]}" $(pkg-config --cflags libpng) "$root/tests/fuzz/fuzz_png.cpp" \
    "$root/platform/common/Png.cpp" $(pkg-config --libs libpng) -lGL -o "$out/fuzz_png"

run() {
    local name="$1"
    shift
    # A scratch copy of the seeds: new inputs the fuzzer finds never land in the repository.
    rm -rf "$out/corpus_$name"
    cp -r "$root/tests/fuzz/corpus_$name" "$out/corpus_$name"
    (cd "$out" && "./fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "$@" \
        "$out/corpus_$name") >"$out/$name.log" 2>&1
    local status=$?
    grep -E '^Done' "$out/$name.log" | sed "s/^/$name fuzzer: /"
    if [ $status != 0 ]; then
        grep -E 'ERROR|SUMMARY|Test unit written' "$out/$name.log" >&2
        echo "$name fuzzer FAILED (log $out/$name.log); keep the crash file in tests/fuzz/corpus_$name/" >&2
        return 1
    fi
}

status=$map_status
run keychart -max_len=1024 || status=1
# A header may claim up to 16384 x 16384 pixels: the decoder then asks for a large buffer.
run png -max_len=65536 -rss_limit_mb=4096 -malloc_limit_mb=2048 || status=1
exit $status

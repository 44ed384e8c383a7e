#!/bin/bash
# Builds mapgen against the game's own map code and the scripted platform.
# Usage: tools/mapgen/build.sh [output]   (default /tmp/hoshimori-mapgen/mapgen)
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-/tmp/hoshimori-mapgen/mapgen}"
mkdir -p "$(dirname "$out")"
g++ -std=c++17 -O2 -Wall -Wextra -I"$root" \
    "$root/tools/mapgen/mapgen.cpp" \
    "$root/world/MapFile.cpp" \
    "$root/platform/script/ScriptPlatform.cpp" \
    -o "$out"
echo "$out"

#!/bin/bash
# Rebuilds every map from its layout with mapgen and compares it byte for byte with the committed file.
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
tool="$("$root/tools/mapgen/build.sh")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for layout in "$root"/tools/maps/*.txt; do
    name="$(basename "$layout" .txt).dat"
    "$tool" "$layout" "$scratch" "$name" >/dev/null
    if cmp "$scratch/Game Data/Maps/$name" "$root/Game Data/Maps/$name"; then
        echo "mapgen: $name identical"
    else
        status=1
    fi
done
exit $status

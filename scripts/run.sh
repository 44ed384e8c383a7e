#!/bin/bash
# Installs what is missing, builds the game (Release) and starts it from the folder with "Game Data".
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/scripts/deps.sh"
install_missing $BUILD_PACKAGES $RUN_PACKAGES

cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$ROOT/build" --target hoshimori -j"$(nproc)"

if [ -z "$DISPLAY" ]; then
    echo "No DISPLAY: the game needs an X server (for instance: Xvfb :1 & DISPLAY=:1 bash scripts/run.sh)." >&2
    exit 1
fi
cd "$ROOT"
exec "$ROOT/build/hoshimori"

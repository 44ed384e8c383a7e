#!/bin/bash
# Installs what is missing, builds, and runs every test: unit, render (in Xvfb), end-to-end (each in
# its own Xvfb), the unit tests again under the address and undefined-behaviour sanitizers, and the
# asset checks.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/scripts/deps.sh"
install_missing $BUILD_PACKAGES $RUN_PACKAGES $TEST_PACKAGES
JOBS="$(nproc)"

cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$ROOT/build" -j"$JOBS"

# One X server for the render tests; the end-to-end tests start their own.
XVFB_PID=""
cleanup() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; true; }
trap cleanup EXIT
for n in $(seq 100 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 1 50); do
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$n"
        break
    fi
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
done
[ -n "$XVFB_PID" ] || { echo "Could not start Xvfb" >&2; exit 1; }

status=0
(cd "$ROOT/build" && ctest --output-on-failure -j"$JOBS") || status=1

# The unit tests once more with the sanitizers.
cmake -S "$ROOT" -B "$ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DHOSHIMORI_SANITIZE=ON
cmake --build "$ROOT/build-sanitize" --target unit_tests -j"$JOBS"
(cd "$ROOT" && ASAN_OPTIONS=detect_leaks=0 "$ROOT/build-sanitize/tests/unit_tests" --gtest_brief=1) || status=1

# Every file reader's fuzz target for about 15 s, seeds (old crashes included) first.
bash "$ROOT/tests/fuzz/run_all.sh" 15 || status=1

if [ -f "$ROOT/tests/assets/test_assets.py" ]; then
    (cd "$ROOT" && /usr/bin/python3 tests/assets/test_assets.py) || status=1
fi

if [ $status = 0 ]; then echo "All tests passed."; else echo "Some tests FAILED." >&2; fi
exit $status

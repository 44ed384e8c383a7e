# Without music, the game runs silently: no music file, a file that is not music, or no sound device.
# Each case plays from a copy of the game folder whose "Game Data" links to the real one but for the music.
source "$(dirname "$0")/lib.sh"
e2e_setup music_silent "$1"

play="$(mktemp -d /tmp/hoshimori-silent-XXXXXX)"
trap 'status=$?; rm -rf "$play"; (exit $status); e2e_cleanup' EXIT
mkdir -p "$play/Game Data"
for entry in "$E2E_ROOT/Game Data"/*; do
    [ "$(basename "$entry")" = Music ] || ln -s "$entry" "$play/Game Data/"
done

# Peak sample of the 16-bit audio written so far.
audio_peak() {
    python3 - "$1" <<'PY'
import array, sys
raw = open(sys.argv[1], "rb").read()
data = array.array("h")
data.frombytes(raw[: len(raw) // 2 * 2])
print(max((abs(v) for v in data), default=0))
PY
}

run_case() {
    local name="$1" driver="$2"
    local raw="$E2E_OUT/music_silent_$name.raw"
    rm -f "$raw"
    e2e_log "case: $name"
    (cd "$play" && exec env SDL_AUDIODRIVER="$driver" SDL_DISKAUDIOFILE="$raw" "$E2E_GAME") \
        >"$E2E_OUT/$E2E_NAME.log" 2>&1 &
    E2E_PID=$!
    e2e_answer_start no
    e2e_game_window >/dev/null
    sleep 3
    e2e_game_running || e2e_fail "$name: the game stopped"
    for box in ERROR "SHUTDOWN ERROR"; do
        e2e_has_window "$box" && e2e_fail "$name: a '$box' message was shown"
    done
    # The game still answers its keys: Enter leaves the intro for the stage select.
    e2e_shot "music_silent_${name}_intro" >/dev/null
    e2e_tap Return
    sleep 1
    e2e_game_running || e2e_fail "$name: the game stopped on Enter"
    if [ "$driver" = disk ]; then
        [ -f "$raw" ] || e2e_fail "$name: the sound device was not opened"
        local peak
        peak="$(audio_peak "$raw")"
        [ "$peak" -eq 0 ] || e2e_fail "$name: expected silence, peak $peak"
    fi
    e2e_tap Escape
    e2e_expect_exit 0
}

run_case missing_file disk

mkdir -p "$play/Game Data/Music/BGM"
printf 'this is not music\n' >"$play/Game Data/Music/BGM/Christmas.mp3"
run_case undecodable_file disk

if [ -f "$E2E_ROOT/Game Data/Music/BGM/Christmas.mp3" ]; then
    ln -sf "$E2E_ROOT/Game Data/Music/BGM/Christmas.mp3" "$play/Game Data/Music/BGM/Christmas.mp3"
fi
run_case no_device no-such-driver

e2e_pass

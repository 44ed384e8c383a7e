# The music comes out of the sound device from the intro on and keeps playing across screens:
# SDL's disk driver writes what the game mixes (16-bit stereo at 44100 Hz) to a file we read back.
source "$(dirname "$0")/lib.sh"
e2e_setup music_intro "$1"

music="$E2E_ROOT/Game Data/Music/BGM/Christmas.mp3"
if [ ! -f "$music" ]; then
    e2e_log "SKIP: no music file at '$music'"
    exit 0
fi

raw="$E2E_OUT/music_intro.raw"
rm -f "$raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$raw"

# Prints "<seconds written> <seconds from the file start to the first sound> <peak in the last second>".
audio_stats() {
    python3 - "$raw" <<'PY'
import array, sys
data = array.array("h")
with open(sys.argv[1], "rb") as f:
    raw = f.read()
data.frombytes(raw[: len(raw) // 4 * 4])
if sys.byteorder != "little":
    data.byteswap()
rate = 44100 * 2
first = next((i for i, v in enumerate(data) if abs(v) > 200), -1)
tail = data[-rate:]
print("%.2f %.2f %d" % (len(data) / rate, first / rate if first >= 0 else -1, max((abs(v) for v in tail), default=0)))
PY
}

e2e_start_game
e2e_answer_start no
e2e_game_window >/dev/null
sleep 4
e2e_game_running || e2e_fail "the game stopped by itself"
[ -f "$raw" ] || e2e_fail "no audio written to $raw"
read -r seconds first peak <<<"$(audio_stats)"
e2e_log "intro: ${seconds}s written, first sound at ${first}s, last-second peak $peak"
awk -v s="$seconds" 'BEGIN { exit !(s >= 2) }' || e2e_fail "only ${seconds}s of audio after 4s of intro"
awk -v f="$first" 'BEGIN { exit !(f >= 0 && f < 2) }' || e2e_fail "the music did not start with the intro (first sound at ${first}s)"
[ "$peak" -gt 500 ] || e2e_fail "the intro is silent (peak $peak)"

# On to the stage select: the same music plays on.
e2e_tap Return
sleep 3
e2e_game_running || e2e_fail "the game stopped on the stage select"
read -r seconds2 first peak <<<"$(audio_stats)"
e2e_log "select: ${seconds2}s written, last-second peak $peak"
awk -v a="$seconds" -v b="$seconds2" 'BEGIN { exit !(b >= a + 2) }' || e2e_fail "audio stopped flowing (${seconds}s, then ${seconds2}s)"
[ "$peak" -gt 500 ] || e2e_fail "the music stopped on the stage select (peak $peak)"

e2e_tap Escape
e2e_expect_exit 0
e2e_pass

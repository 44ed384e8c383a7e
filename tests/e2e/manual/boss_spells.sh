# The boss on the start map: it swims off to cast, and its waterfall and beams are seen from the spawn.
# The boss picks its spells at random, so the shots are taken until both kinds have shown.
# Not part of the test run: the spells come at random, so a run can take minutes. Run it by hand:
#   bash tests/e2e/manual/boss_spells.sh build/hoshimori
source "$(dirname "$0")/../lib.sh"
e2e_setup boss_spells "$1"

# Counts in the game picture (800x600 at the window's top left, the HUD panels left out):
#   blue   bright blue pixels, the waterfall's colour
#   new    bright pixels that the first shot of the game does not have: the beams' sparks
# Printed as "blue new".
measure() {
    python3 - "$1" "$2" <<'PY'
import subprocess, sys
def load(png):
    data = subprocess.run(["convert", png, "-crop", "800x600+0+0", "+repage", "ppm:-"],
                          capture_output=True, check=True).stdout
    head = data.split(b"\n", 3)
    w, h = map(int, head[1].split())
    return w, h, head[3]
w, h, px = load(sys.argv[1])
_, _, base = load(sys.argv[2])
blue = new = 0
for y in range(130, h, 4):
    for x in range(0, w, 4):
        i = (y * w + x) * 3
        r, g, b = px[i], px[i + 1], px[i + 2]
        if b >= 200 and r < 90 and g < 90:
            blue += 1
        elif min(r, g, b) >= 170 and min(base[i], base[i + 1], base[i + 2]) < 120 and b < 250 or \
                (max(r, g, b) - min(r, g, b) > 110 and b < max(r, g) and not (r > 140 and g > 140 and b < 110)
                 and max(base[i], base[i + 1], base[i + 2]) - min(base[i], base[i + 1], base[i + 2]) < 60):
            new += 1
print(blue, new)
PY
}
# Pixels that differ between two shots in a region WxH+X+Y.
changed() {
    compare -metric AE -fuzz 10% <(convert "$1" -crop "$3" +repage png:-) \
        <(convert "$2" -crop "$3" +repage png:-) null: 2>&1 | awk 'NR == 1 { printf "%d\n", $1 }'
}

e2e_start_game
e2e_answer_start no
win=$(e2e_game_window)
sleep 0.5
e2e_tap Return
sleep 0.5
e2e_tap Return
sleep 0.3
start=$(e2e_shot boss_start "$win")

waterfall="" beams=0 moved=0 best_blue=0
for i in $(seq 1 150); do
    sleep 0.3
    shot=$(e2e_shot boss_frame "$win")
    read -r blue new < <(measure "$shot" "$start")
    # Anything on the map that changes from the first shot is the boss or its spells.
    if [ "$moved" = 0 ] && [ "$(changed "$shot" "$start" 800x470+0+130)" -gt 2000 ]; then
        moved=1
        cp "$shot" "$E2E_OUT/boss_swims.png"
    fi
    if [ "$blue" -gt 400 ] && [ "$blue" -gt "$best_blue" ]; then
        best_blue=$blue
        waterfall=1
        cp "$shot" "$E2E_OUT/boss_waterfall.png"
    fi
    if [ "$blue" -lt 100 ] && [ "$new" -gt 50 ] && [ "$beams" -lt 4 ]; then
        beams=$((beams + 1))
        cp "$shot" "$E2E_OUT/boss_beams_$beams.png"
    fi
    e2e_game_running || e2e_fail "the game ended during the fight"
    [ "$moved" = 1 ] && [ -n "$waterfall" ] && [ "$beams" -ge 2 ] && break
done
rm -f "$E2E_OUT/boss_frame.png"
e2e_log "waterfall peak $best_blue blue pixels, $beams beam shots"
[ "$moved" = 1 ] || e2e_fail "the boss never left its resting place"
[ -n "$waterfall" ] || e2e_fail "no waterfall was seen"
[ "$beams" -ge 1 ] || e2e_fail "no beams were seen"

e2e_tap Escape
e2e_expect_exit 0
e2e_pass

# The hero in the game: stands on the start map's floor, attacks, jumps and lands, walks right
# and left (the view scrolls with it), and faces left after walking left.
source "$(dirname "$0")/lib.sh"
e2e_setup hero_moves "$1"

# The hero stands at the centre of the 800x600 window: its image spans about these pixels.
HERO=120x110+345+420   # the standing figure
ABOVE=70x85+370+330    # the air just above its head

shot() { e2e_shot "hero_$1" "$E2E_WIN" >/dev/null; echo "$E2E_OUT/hero_$1.png"; }
crop() { convert "$1" -crop "$2" +repage "$3"; }

# Pixels of the hero's red scarf (or its red hurt tint): nothing else in the scene is that red.
red() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 && $3 > 150 && $4 < 90 && $5 < 90 { n++ } END { print n + 0 }'
}

# A shot of the hero untinted: the boss's spells may be hurting it (all red) for a moment.
calm_shot() {
    local file i
    for i in 1 2 3 4 5 6 7 8 9 10; do
        file=$(shot "$1")
        [ "$(red "$file" $HERO)" -lt 300 ] && break
        e2e_log "the hero is hurt in shot $1, once more"
        sleep 0.15
    done
    echo "$file"
}

# Pixels that differ between two shots inside a region.
changed() {
    crop "$1" "$3" "$E2E_OUT/hero_a.png"
    crop "$2" "$3" "$E2E_OUT/hero_b.png"
    compare -fuzz 12% -metric AE "$E2E_OUT/hero_a.png" "$E2E_OUT/hero_b.png" null: 2>&1 | cut -d' ' -f1
}

# How far the scene moved sideways from the first shot to the second, in pixels.
scroll() {
    crop "$1" 240x120+280+150 "$E2E_OUT/hero_t.png"
    crop "$2" 800x120+0+150 "$E2E_OUT/hero_band.png"
    local x
    x=$(compare -metric RMSE -subimage-search "$E2E_OUT/hero_band.png" "$E2E_OUT/hero_t.png" null: 2>&1 |
        sed -n 's/.*@ \([0-9]*\),.*/\1/p')
    [ -n "$x" ] || e2e_fail "no match for the scene"
    echo $((x - 280))
}

e2e_start_game
e2e_answer_start no
e2e_game_window >/dev/null
E2E_WIN=$(e2e_find_window Hoshimori)
e2e_tap Return # intro
sleep 0.4
e2e_tap Return # stage select: the game
sleep 0.5

still=$(calm_shot still)
sleep 0.3
still2=$(calm_shot still2)
n=$(red "$still" $HERO)
[ "$n" -gt 30 ] || e2e_fail "no hero standing at the centre ($n red pixels)"
[ "$(red "$still" $ABOVE)" -eq 0 ] || e2e_fail "something red above the standing hero"
n=$(changed "$still" "$still2" $HERO)
[ "$n" -lt 300 ] || e2e_fail "the standing hero is not still ($n pixels changed)"

# Attack: the swing changes the figure, then it stands again.
e2e_keydown shift
sleep 0.15
attack=$(shot attack)
e2e_keyup shift
sleep 0.9
after=$(calm_shot after_attack)
swing=$(changed "$still" "$attack" $HERO)
rest=$(changed "$still" "$after" $HERO)
e2e_log "attack: $swing pixels changed, after it $rest"
[ "$swing" -gt 400 ] || e2e_fail "Shift showed no attack ($swing pixels changed)"
[ "$rest" -lt "$swing" ] || e2e_fail "the attack did not end ($rest pixels changed)"

# Jump: Space held lifts the hero; it comes back down to the floor. The rise lasts at most 0.5 s
# at 0.15 a frame, so how high it gets depends on the frame rate: look at the scarf's height.
COLUMN=140x280+335+250
redy() {
    convert "$1" -crop $COLUMN +repage -depth 8 txt:- |
        awk -F'[(),:]' 'NR > 1 && $4 > 150 && $5 < 90 && $6 < 90 { s += $2; n++ }
                        END { if (n) printf "%d\n", 250 + s / n; else print 9999 }'
}
for try in 1 2 3; do
    e2e_keydown space
    sleep 0.35
    jump=$(shot jump)
    e2e_keyup space
    [ "$(red "$jump" $COLUMN)" -lt 300 ] && break
    e2e_log "the hero was hurt in mid-air, jump again"
    sleep 1.5
done
sleep 1.5
landed=$(calm_shot landed)
ys=$(redy "$still")
yj=$(redy "$jump")
yl=$(redy "$landed")
e2e_log "jump: scarf at y $ys standing, $yj in the air, $yl landed"
[ "$yj" -lt $((ys - 15)) ] || e2e_fail "Space did not lift the hero (scarf at $ys, then $yj)"
# A fall stops up to 0.15 units inside the floor cell, a few pixels either way of where it stood.
[ "$yl" -gt $((ys - 10)) ] && [ "$yl" -lt $((ys + 10)) ] ||
    e2e_fail "the hero did not come back down to the floor (scarf at $yl)"

# Walking right moves the view with the hero: the scene slides left; walking left, right.
e2e_hold Right 0.5
sleep 0.8
right=$(shot walked_right)
dx=$(scroll "$landed" "$right")
e2e_log "walk right: scene moved $dx px"
[ "$dx" -lt -10 ] || e2e_fail "Right did not walk the hero right (scene moved $dx px)"
[ "$(red "$right" $HERO)" -gt 30 ] || e2e_fail "the hero is not on the floor after walking right"

e2e_hold Left 0.8
sleep 0.8
left=$(calm_shot walked_left)
dx=$(scroll "$right" "$left")
e2e_log "walk left: scene moved $dx px"
[ "$dx" -gt 10 ] || e2e_fail "Left did not walk the hero left (scene moved $dx px)"

# Facing left the figure is the mirror image of the one facing right: its red scarf swaps sides.
# The wide image facing right sits 0.2 units (7 px) right of the centre, so the mirror line of
# the two images is x = (407 + 400) / 2 in the window.
redx() {
    convert "$1" -crop 140x110+335+420 +repage -depth 8 txt:- |
        awk -F'[(),:]' 'NR > 1 && $4 > 150 && $5 < 90 && $6 < 90 { s += $1; n++ }
                        END { if (n) printf "%.1f\n", 335 + s / n; else print "none" }'
}
xr=$(redx "$still")
xl=$(redx "$left")
e2e_log "red of the figure at x $xr facing right, $xl facing left"
awk -v r="$xr" -v l="$xl" 'BEGIN { exit !(r != "none" && l != "none" && l - r > 8 &&
                                         (l - (807.2 - r))^2 < 36) }' ||
    e2e_fail "the hero facing left is not the mirror image (red at $xr, then $xl)"

e2e_tap Escape
e2e_expect_exit 0
e2e_pass

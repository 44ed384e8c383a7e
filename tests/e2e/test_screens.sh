# What a player sees: the intro's title and crawl, the stage select, the map-name box, the editor
# and the game screen, photographed from the running game.
source "$(dirname "$0")/lib.sh"
e2e_setup screens "$1"

# A screenshot pixel near a colour (each channel within 12).
expect_colour() {
    local got want=$4
    got=$(e2e_pixel "$1" "$2" "$3")
    awk -v g="$got" -v w="$want" 'BEGIN {
        split(g, a, ","); split(w, b, ",");
        for (i = 1; i <= 3; i++) { d = a[i] - b[i]; if (d < -12 || d > 12) exit 1 }
    }' || e2e_fail "$5: pixel $2,$3 of $(basename "$1") is $got, expected about $want"
}
differ() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 }')
    [ "$n" -gt 0 ] || e2e_fail "$3: $(basename "$1") and $(basename "$2") look the same"
}
# Pixels of a region (WxH+X+Y) that are close to white.
white_pixels() {
    convert "$1" -crop "$2" +repage -fuzz 10% -fill black +opaque white -fill white -opaque white \
        -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Pixels of a region that are not black.
lit_pixels() {
    convert "$1" -crop "$2" +repage -fuzz 8% -fill white +opaque black \
        -format "%[fx:int(mean*w*h+0.5)]" info:
}

e2e_start_game
e2e_answer_start no
win=$(e2e_game_window)
sleep 1
title=$(e2e_shot screens_intro_title "$win")
# The title recedes and fades for ~700 frames; then the tilted image climbs into view from below.
sleep 26
crawl=$(e2e_shot screens_intro_crawl "$win")
differ "$title" "$crawl" "the intro did not move from the title to the crawl"
lit=$(lit_pixels "$crawl" 800x300+0+300)
[ "$lit" -gt 2000 ] || e2e_fail "no crawl image in the lower half ($lit lit pixels)"

e2e_tap Return
sleep 0.5
select=$(e2e_shot screens_select "$win")
# The empty middle of the ring shows the blue panel.
expect_colour "$select" 382 282 "64,96,248" "stage select centre"
expect_colour "$select" 400 300 "64,96,248" "stage select centre"

e2e_tap F1
sleep 0.4
e2e_tap 1
sleep 0.4
name_empty=$(e2e_shot screens_map_name_empty "$win")
expect_colour "$name_empty" 472 333 "77,77,77" "map-name box"
label=$(white_pixels "$name_empty" 90x20+380+260)
[ "$label" -gt 30 ] || e2e_fail "no \"Map Name\" label on the grey box ($label white pixels)"
e2e_type abc
sleep 0.4
name_typed=$(e2e_shot screens_map_name_typed "$win")
typed=$(white_pixels "$name_typed" 60x20+360+285)
[ "$typed" -gt 10 ] || e2e_fail "the typed name does not show ($typed white pixels)"

e2e_tap Return
sleep 0.6
editor=$(e2e_shot screens_editor "$win")
differ "$name_typed" "$editor" "Return did not open the editor"
# Left of and below the map the editor shows the clear colour; the map lies up and right.
expect_colour "$editor" 100 500 "0,0,0" "outside the map"

e2e_tap Escape
e2e_expect_exit 0

# A second run straight into play.
e2e_start_game
e2e_answer_start no
win=$(e2e_game_window)
sleep 0.5
e2e_tap Return
sleep 0.4
e2e_tap Return
sleep 1.5
game=$(e2e_shot screens_game "$win")
differ "$select" "$game" "Enter did not start the game"
e2e_tap Escape
e2e_expect_exit 0
e2e_pass

# From the developer menu back into play by real keys: F1 opens the menu from the intro, 2 returns
# to the intro, Enter and Enter reach the game, and Escape ends it while an arrow is still held.
source "$(dirname "$0")/lib.sh"
e2e_setup input_menu_to_game "$1"

pixels_differ() {
    compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}
expect_differ() {
    local n
    n=$(pixels_differ "$1" "$2")
    [ "$n" -gt 0 ] || e2e_fail "$3: $(basename "$1") and $(basename "$2") look the same"
}
settle() { sleep 0.4; }

e2e_start_game
e2e_answer_start no
win=$(e2e_game_window)
sleep 1

e2e_tap F1
settle
menu=$(e2e_shot input_game_menu "$win")
sleep 0.5
menu_later=$(e2e_shot input_game_menu_later "$win")
[ "$(pixels_differ "$menu" "$menu_later")" -eq 0 ] || e2e_fail "the developer menu is not a still screen"

e2e_tap 2
settle
intro=$(e2e_shot input_game_intro "$win")
expect_differ "$menu" "$intro" "2 did not leave the menu"

e2e_tap Return
settle
select=$(e2e_shot input_game_select "$win")
expect_differ "$intro" "$select" "Enter did not leave the intro"
# The stage select stands still: a second look shows the same picture.
sleep 0.5
select_later=$(e2e_shot input_game_select_later "$win")
[ "$(pixels_differ "$select" "$select_later")" -eq 0 ] || e2e_fail "the stage select moved on by itself"

e2e_tap Return
sleep 1
game=$(e2e_shot input_game_play "$win")
expect_differ "$select" "$game" "Enter did not start the game"

e2e_keydown Right
sleep 0.3
e2e_tap Escape
e2e_keyup Right
e2e_expect_exit 0
e2e_pass

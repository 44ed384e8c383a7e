# The road to the editor by real keys: a held Enter leaves the intro once, the arrows move the
# stage-select highlight, F1 opens the developer menu, 1 the map-name screen, the typed name shows
# as it is typed (shift included), Return opens the editor, and F9 saves under the typed name.
source "$(dirname "$0")/lib.sh"
e2e_setup input_editor_road "$1"

MAP_NAME_TYPED="e2eZed"
MAP_FILE="$E2E_ROOT/Game Data/Maps/$MAP_NAME_TYPED"
rm -f "$MAP_FILE"
# The saved map is ours alone: never leave it in the game's data.
trap 'st=$?; rm -f "$MAP_FILE"; (exit $st); e2e_cleanup' EXIT

# Number of pixels that differ between two screenshots.
pixels_differ() {
    compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}
expect_differ() {
    local n
    n=$(pixels_differ "$1" "$2")
    [ "$n" -gt 0 ] || e2e_fail "$3: $(basename "$1") and $(basename "$2") look the same"
}
expect_same() {
    local n
    n=$(pixels_differ "$1" "$2")
    [ "$n" -eq 0 ] || e2e_fail "$3: $(basename "$1") and $(basename "$2") differ in $n pixels"
}
# Let a key act and the next frames be drawn before looking.
settle() { sleep 0.4; }

e2e_start_game
e2e_answer_start no
win=$(e2e_game_window)
sleep 1
intro=$(e2e_shot input_road_intro "$win")

# Enter held for a second: one screen on, not two.
e2e_hold Return 1.0
settle
select0=$(e2e_shot input_road_select0 "$win")
expect_differ "$intro" "$select0" "Enter did not leave the intro"

e2e_tap Right
settle
select1=$(e2e_shot input_road_select1 "$win")
expect_differ "$select0" "$select1" "Right did not move the highlight"
e2e_tap Down  # window 1 goes down to window 6
settle
select6=$(e2e_shot input_road_select6 "$win")
expect_differ "$select1" "$select6" "Down did not move the highlight"
e2e_tap Up
settle
e2e_tap Left
settle
back=$(e2e_shot input_road_select_back "$win")
expect_same "$select0" "$back" "Up then Left did not bring the highlight back to window 0"

# F1 acts only on the intro and the stage select, so this also proves Enter stopped there.
e2e_tap F1
settle
menu=$(e2e_shot input_road_menu "$win")
expect_differ "$select0" "$menu" "F1 did not open the developer menu"

e2e_tap 1
settle
empty=$(e2e_shot input_road_name_empty "$win")
expect_differ "$menu" "$empty" "1 did not open the map-name screen"

e2e_type "e2e"
e2e_keydown shift
sleep 0.1
e2e_tap z
sleep 0.1
e2e_keyup shift
sleep 0.1
e2e_type "ed"
settle
typed=$(e2e_shot input_road_name_typed "$win")
expect_differ "$empty" "$typed" "the typed name is not shown"
e2e_tap BackSpace
settle
cut=$(e2e_shot input_road_name_cut "$win")
expect_differ "$typed" "$cut" "Backspace did not change the shown name"
e2e_tap d
settle
again=$(e2e_shot input_road_name_again "$win")
expect_same "$typed" "$again" "retyping the last letter does not show the same name"

e2e_tap Return
settle
editor=$(e2e_shot input_road_editor "$win")
expect_differ "$typed" "$editor" "Return did not open the editor"

# The cursor follows the mouse over the editor.
e2e_mouse_move 150 120
settle
moved=$(e2e_shot input_road_editor_cursor "$win")
expect_differ "$editor" "$moved" "the editor's cursor did not follow the mouse"

# The editor saves under the typed name, capital Z and all.
e2e_tap F9
e2e_find_window Success 10 >/dev/null || e2e_fail "no 'Map saved' box after F9 (the map name was not taken?)"
e2e_answer_box Success Return
[ -s "$MAP_FILE" ] || e2e_fail "no map file '$MAP_NAME_TYPED' after saving; maps: $(ls "$E2E_ROOT/Game Data/Maps")"
head -c 10 "$MAP_FILE" | grep -q '^-1 -1 0 0 $' || e2e_fail "the saved map does not start with an empty cell"

e2e_focus "$win"
e2e_tap Escape
e2e_expect_exit 0
e2e_pass

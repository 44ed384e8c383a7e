#!/bin/bash
# No editor work lost on quit: paint, press Escape, and the painted cells are in Recovery.dat;
# a new start loads it in the editor and shows them. Runs in a scratch copy of the data.
source "$(dirname "$0")/lib.sh"
e2e_setup recovery "$1"

work="$(mktemp -d /tmp/hoshimori-recovery-XXXXXX)"
trap 'rm -rf "$work"; e2e_cleanup' EXIT
cp -r "$E2E_ROOT/Game Data" "$work/"
rm -f "$work/Game Data/Maps/Recovery.dat"
RECOVERY="$work/Game Data/Maps/Recovery.dat"

start_in_work() {
    (cd "$work" && exec env SDL_AUDIODRIVER=dummy "$E2E_GAME") >"$E2E_OUT/$E2E_NAME.log" 2>&1 &
    E2E_PID=$!
    E2E_EXIT=""
}

# Cells whose background layer holds a texture (no events here: four values a cell).
painted_cells() {
    tr -s ' \n' '\n\n' <"$1" | awk 'NF { if (n % 4 == 0 && $1 != "-1") c++; n++ } END { print c + 0 }'
}

to_editor() {  # to_editor: the developer menu, 1, then the name typed by the caller
    sleep 1
    e2e_tap F1
    sleep 0.4
    e2e_tap 1
    sleep 0.4
}

start_in_work
e2e_answer_start no
win=$(e2e_game_window)
to_editor
e2e_type "paint"
e2e_tap Return
sleep 0.5
# Left button held while the cursor sweeps across a few cells.
# The cursor starts at the top left, left of the grid, so the sweep goes well to the right.
e2e_mouse_move 0 40
xdotool mousedown 1
for i in $(seq 1 30); do
    e2e_mouse_move 30 0
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
e2e_shot recovery_painted "$win" >/dev/null
e2e_tap Escape
e2e_expect_exit 0
[ -f "$RECOVERY" ] || e2e_fail "no Recovery.dat after quitting with unsaved work"
cells=$(painted_cells "$RECOVERY")
[ "$cells" -gt 0 ] || e2e_fail "Recovery.dat holds no painted cell"
e2e_log "Recovery.dat holds $cells painted cells"
[ ! -e "$work/Game Data/Maps/paint" ] || e2e_fail "the map itself was saved, not only the recovery file"
stamp=$(stat -c %Y.%s "$RECOVERY")

# A new start: open Recovery.dat in the editor and load it.
start_in_work
e2e_answer_start no
win=$(e2e_game_window)
to_editor
e2e_keydown shift
e2e_tap r
e2e_keyup shift
e2e_type "ecovery"
e2e_tap period
e2e_type "dat"
e2e_tap Return
sleep 0.5
before=$(e2e_shot recovery_before_load "$win")
e2e_tap F12
sleep 0.5
after=$(e2e_shot recovery_loaded "$win")
n=$(compare -metric AE "$before" "$after" null: 2>&1 | awk '{ printf "%d\n", $1 }')
[ "$n" -gt 0 ] || e2e_fail "loading Recovery.dat changed nothing on screen"
e2e_has_window "Error!" && e2e_fail "Recovery.dat could not be loaded"

# Nothing changed since the load: quitting writes nothing.
sleep 1.1
e2e_tap Escape
e2e_expect_exit 0
[ "$(stat -c %Y.%s "$RECOVERY")" = "$stamp" ] || e2e_fail "Recovery.dat rewritten without unsaved work"
e2e_pass

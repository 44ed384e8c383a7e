# Full screen on a display that has an 800x600 mode: the window covers the 800x600 screen.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=800x600x24
e2e_setup spine_fullscreen "$1"
e2e_start_game
e2e_answer_start yes
e2e_has_window OpenGL && e2e_fail "the 800x600 mode was refused"
win=$(e2e_game_window)
geometry=$(e2e_window_geometry "$win")
[ "$geometry" = "800x600" ] || e2e_fail "window is $geometry, expected 800x600"
sleep 1
e2e_shot spine_fullscreen >/dev/null
e2e_tap Escape
e2e_expect_exit 0
e2e_pass

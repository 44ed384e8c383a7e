# Full screen where the display has no 800x600 mode: the game asks whether to use a window.
# No ends the program without a window and with exit code 0; Yes continues in a window.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1024x768x24
e2e_setup spine_no_mode "$1"

e2e_start_game
e2e_answer_start yes
e2e_find_window OpenGL 20 >/dev/null || e2e_fail "no question about windowed mode"
e2e_shot spine_no_mode_question >/dev/null
e2e_answer_box OpenGL Escape
e2e_answer_box ERROR Return   # "Program Will Now Close."
e2e_expect_exit 0
e2e_has_window Hoshimori && e2e_fail "a game window appeared"

e2e_start_game
e2e_answer_start yes
e2e_answer_box OpenGL Return
win=$(e2e_game_window)
geometry=$(e2e_window_geometry "$win")
[ "$geometry" = "800x600" ] || e2e_fail "window is $geometry, expected 800x600"
e2e_tap Escape
e2e_expect_exit 0
e2e_pass

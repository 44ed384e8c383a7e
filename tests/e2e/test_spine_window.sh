# Windowed start: Escape on the start question gives an 800x600 "Hoshimori" window; Escape in the
# game ends it with exit code 0.
source "$(dirname "$0")/lib.sh"
e2e_setup spine_window "$1"
e2e_start_game
e2e_answer_start no
win=$(e2e_game_window)
geometry=$(e2e_window_geometry "$win")
[ "$geometry" = "800x600" ] || e2e_fail "window is $geometry, expected 800x600"
sleep 1
e2e_shot spine_window_intro >/dev/null
e2e_game_running || e2e_fail "the game stopped by itself"
e2e_tap Escape
e2e_expect_exit 0
e2e_has_window Hoshimori && e2e_fail "window left behind"
e2e_pass

# Closing the window with its close box ends the game through the normal shut-down, exit code 0.
source "$(dirname "$0")/lib.sh"
e2e_setup spine_close "$1"
e2e_start_game
e2e_answer_start no
win=$(e2e_game_window)
sleep 1
e2e_close_window "$win"
e2e_expect_exit 0
e2e_pass

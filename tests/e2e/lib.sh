# Shared harness for the end-to-end tests: the built game in its own Xvfb, driven by xdotool.
#
# A test script is run as `bash tests/e2e/test_x.sh <path-to-game>` from the repo root:
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_setup my_test "$1"       # Xvfb on a free display, DISPLAY set, cleanup trap, test-output/
#   e2e_start_game               # the game in the background (SDL_AUDIODRIVER=dummy unless set)
#   e2e_answer_start no          # the start question: no = Escape (windowed), yes = Return
#   win=$(e2e_game_window)       # waits for the "Hoshimori" window and gives it the focus
#   e2e_tap Return; e2e_hold Right 0.5
#   e2e_shot my_test_running     # test-output/my_test_running.png
#   e2e_tap Escape
#   e2e_expect_exit 0            # waits for the game to end, fails on another exit code
#   e2e_pass
#
# Functions (all fail the test with a message on timeout unless said otherwise):
#   e2e_setup NAME GAME            start Xvfb (E2E_SCREEN, default 1024x768x24) with -noreset on a
#                                  free display; sets E2E_NAME, E2E_GAME, E2E_OUT, DISPLAY
#   e2e_start_game [ARGS...]       start E2E_GAME from the repo root; E2E_PID, log in
#                                  test-output/NAME.log; SDL_AUDIODRIVER defaults to dummy
#   e2e_start_in DIR PROG [ARGS...] start PROG (the installed launcher, say) from DIR, as
#                                  e2e_start_game starts the game; the environment passes through
#   e2e_find_window TITLE [SECS]   print the id of the first window named exactly TITLE
#                                  (found with xwininfo -root -tree); status 1 if none in time
#   e2e_has_window TITLE           status 0 if a window named TITLE exists now
#   e2e_wait_no_window TITLE [SECS] wait until no window named TITLE is left
#   e2e_answer_box TITLE KEY       focus the message box TITLE and press KEY on it
#   e2e_answer_start yes|no        answer "Start FullScreen?" (yes = Return, no = Escape)
#   e2e_game_window [SECS]         wait for "Hoshimori", focus it, print its id (and set E2E_WIN
#                                  when not called inside $(...))
#   e2e_focus WIN                  xdotool windowfocus --sync
#   e2e_keydown KEY / e2e_keyup KEY   raw key events (xdotool key names: Return, Escape, Left,
#                                  space, shift, F1, 1, a ...)
#   e2e_tap KEY [SECS]             key down, short hold (default 0.1 s), key up
#   e2e_hold KEY SECS              hold a key for SECS seconds
#   e2e_type TEXT                  tap each character of TEXT (letters and digits)
#   e2e_mouse_move DX DY           relative pointer motion
#   e2e_click BUTTON [SECS]        press and release mouse button (1 left, 3 right)
#   e2e_window_geometry WIN        print WIDTHxHEIGHT of the window
#   e2e_shot NAME [WIN]            screenshot (root window by default) into test-output/NAME.png;
#                                  prints the path
#   e2e_pixel PNG X Y              print the pixel at X,Y of a screenshot as "R,G,B" (0..255)
#   e2e_close_window WIN           ask the window to close (WM_DELETE_WINDOW, like a close box)
#   e2e_game_running               status 0 while the game process is alive
#   e2e_wait_exit [SECS]           wait for the game to end; sets E2E_EXIT; status 1 on timeout
#   e2e_expect_exit CODE [SECS]    wait for the end and fail unless the exit code is CODE
#   e2e_fail MESSAGE / e2e_pass    end the test (cleanup runs in either case)
#   e2e_log MESSAGE                progress line on stderr
# Cleanup (trap on exit) kills the game and Xvfb started by this harness, nothing else.

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
E2E_OUT="$E2E_ROOT/test-output"
E2E_PID=""
E2E_XVFB_PID=""
E2E_EXIT=""
E2E_WIN=""

e2e_log() { echo "[$E2E_NAME] $*" >&2; }

e2e_cleanup() {
    local status=$?
    if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill "$E2E_PID" 2>/dev/null
        sleep 0.2
        kill -9 "$E2E_PID" 2>/dev/null
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    exit $status
}

e2e_fail() {
    e2e_log "FAIL: $*"
    if [ -n "$E2E_NAME" ] && [ -f "$E2E_OUT/$E2E_NAME.log" ]; then
        e2e_log "game output:"
        sed 's/^/    /' "$E2E_OUT/$E2E_NAME.log" >&2
    fi
    exit 1
}

e2e_pass() {
    e2e_log "PASS"
    exit 0
}

e2e_setup() {
    E2E_NAME="$1"
    E2E_GAME="$2"
    [ -n "$E2E_NAME" ] || { echo "e2e_setup: no test name" >&2; exit 1; }
    [ -x "$E2E_GAME" ] || { echo "e2e_setup: no game at '$E2E_GAME'" >&2; exit 1; }
    E2E_GAME="$(cd "$(dirname "$E2E_GAME")" && pwd)/$(basename "$E2E_GAME")"
    mkdir -p "$E2E_OUT"
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM
    local screen="${E2E_SCREEN:-1024x768x24}"
    local n
    for n in $(seq 20 99); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "$screen" -noreset -nolisten tcp >"$E2E_OUT/$E2E_NAME.xvfb.log" 2>&1 &
        E2E_XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
            if [ -e "/tmp/.X11-unix/X$n" ] && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=":$n"
                e2e_log "Xvfb on $DISPLAY ($screen)"
                return 0
            fi
            sleep 0.1
        done
        # Lost a race for this display, or it never came up: try the next one.
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
        E2E_XVFB_PID=""
    done
    e2e_fail "no free display for Xvfb"
}

e2e_start_game() {
    (cd "$E2E_ROOT" && exec env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$E2E_GAME" "$@") \
        >"$E2E_OUT/$E2E_NAME.log" 2>&1 &
    E2E_PID=$!
    E2E_EXIT=""
    e2e_log "game started, pid $E2E_PID"
}

e2e_start_in() {
    local dir="$1"
    shift
    (cd "$dir" && exec env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$@") >"$E2E_OUT/$E2E_NAME.log" 2>&1 &
    E2E_PID=$!
    E2E_EXIT=""
    e2e_log "started in $dir, pid $E2E_PID: $*"
}

# Alive and not merely a zombie waiting to be reaped.
e2e_alive() {
    kill -0 "$1" 2>/dev/null || return 1
    case "$(ps -o stat= -p "$1" 2>/dev/null)" in Z*) return 1 ;; esac
    return 0
}

e2e_game_running() { [ -n "$E2E_PID" ] && e2e_alive "$E2E_PID"; }

# Window ids by exact name; xdotool's name search misses SDL's message boxes.
e2e_list_windows() {
    xwininfo -root -tree 2>/dev/null | awk -v t="$1" '
        { q = index($0, "\""); if (!q) next
          rest = substr($0, q + 1); e = index(rest, "\":"); if (!e) next
          if (substr(rest, 1, e - 1) == t) print $1 }'
}

e2e_has_window() { [ -n "$(e2e_list_windows "$1" | head -n 1)" ]; }

e2e_find_window() {
    local title="$1" secs="${2:-20}" id i
    for i in $(seq 1 $((secs * 10))); do
        id="$(e2e_list_windows "$title" | head -n 1)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

e2e_wait_no_window() {
    local title="$1" secs="${2:-10}" i
    for i in $(seq 1 $((secs * 10))); do
        e2e_has_window "$title" || return 0
        sleep 0.1
    done
    e2e_fail "window '$title' still there after ${secs}s"
}

e2e_focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }

e2e_answer_box() {
    local title="$1" key="$2" id
    id="$(e2e_find_window "$title" 20)" || e2e_fail "no message box '$title'"
    sleep 0.3  # let the box finish drawing before it gets keys
    e2e_focus "$id"
    xdotool keydown "$key"
    sleep 0.1
    xdotool keyup "$key"
    e2e_wait_no_window "$title" 10
}

e2e_answer_start() {
    case "$1" in
    yes) e2e_answer_box "Start FullScreen?" Return ;;
    no) e2e_answer_box "Start FullScreen?" Escape ;;
    *) e2e_fail "e2e_answer_start: yes or no, not '$1'" ;;
    esac
}

e2e_game_window() {
    local id
    id="$(e2e_find_window Hoshimori "${1:-20}")" || e2e_fail "no Hoshimori window"
    E2E_WIN="$id"
    sleep 0.3
    e2e_focus "$id"
    echo "$id"
}

e2e_keydown() { xdotool keydown "$1"; }
e2e_keyup() { xdotool keyup "$1"; }

e2e_tap() {
    xdotool keydown "$1"
    sleep "${2:-0.1}"
    xdotool keyup "$1"
}

e2e_hold() { e2e_tap "$1" "$2"; }

e2e_type() {
    local text="$1" i c
    for ((i = 0; i < ${#text}; i++)); do
        c="${text:i:1}"
        e2e_tap "$c" 0.08
        sleep 0.05
    done
}

e2e_mouse_move() { xdotool mousemove_relative -- "$1" "$2"; }

e2e_click() {
    xdotool mousedown "$1"
    sleep "${2:-0.1}"
    xdotool mouseup "$1"
}

e2e_window_geometry() {
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

e2e_shot() {
    local file="$E2E_OUT/$1.png"
    import -window "${2:-root}" "$file" || e2e_fail "screenshot $1 failed"
    echo "$file"
}

e2e_pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

e2e_close_window() {
    local helper="${E2E_XCLOSE:-$(dirname "$E2E_GAME")/xclose}"
    [ -x "$helper" ] || e2e_fail "no xclose helper at $helper"
    "$helper" "$1" || e2e_fail "could not send the close request"
}

e2e_wait_exit() {
    local secs="${1:-15}" i
    [ -n "$E2E_PID" ] || return 1
    for i in $(seq 1 $((secs * 10))); do
        if ! e2e_alive "$E2E_PID"; then
            wait "$E2E_PID"
            E2E_EXIT=$?
            E2E_PID=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

e2e_expect_exit() {
    local want="$1"
    e2e_wait_exit "${2:-15}" || e2e_fail "game still running after ${2:-15}s"
    [ "$E2E_EXIT" = "$want" ] || e2e_fail "exit code $E2E_EXIT, expected $want"
}

#!/bin/bash
# Damaged game data: with a file of Game Data removed or cut short, the game still starts,
# reaches the game screen, runs, and ends with exit code 0 on Escape.
# The images go in groups (one folder at a time, its files alternately removed and cut to half);
# the key chart, Start.dat and the music each alone, both removed and cut.
source "$(dirname "$0")/lib.sh"
e2e_setup damaged_data "$1"

work="$(mktemp -d /tmp/hoshimori-damaged-XXXXXX)"
trap 'rm -rf "$work"; e2e_cleanup' EXIT

# The game from a scratch folder holding a fresh copy of the data.
start_in() {
    (cd "$1" && exec env SDL_AUDIODRIVER=dummy "$E2E_GAME") >"$E2E_OUT/$E2E_NAME.log" 2>&1 &
    E2E_PID=$!
    E2E_EXIT=""
}

damage() {  # damage MODE FILE...
    local mode="$1" f
    shift
    for f in "$@"; do
        if [ "$mode" = remove ]; then
            rm -f "$f"
        else
            truncate -s $(($(stat -c %s "$f") / 2)) "$f"
        fi
    done
}

results=()
one_run() {  # one_run LABEL -- commands that damage the copy (run inside it)
    local label="$1"
    shift
    case "$label" in *"${DAMAGED_ONLY:-}"*) ;; *) return 0 ;; esac  # DAMAGED_ONLY=text runs a subset
    local dir="$work/run"
    rm -rf "$dir"
    mkdir -p "$dir"
    cp -r "$E2E_ROOT/Game Data" "$dir/"
    (cd "$dir" && "$@")
    start_in "$dir"
    e2e_answer_start no
    e2e_game_window >/dev/null
    e2e_tap Return
    sleep 1
    e2e_tap Return
    # A missing or unreadable map is reported, and the game goes on.
    local box=""
    if e2e_find_window "Error!" 5 >/dev/null; then
        box=" (map box answered)"
        e2e_answer_box "Error!" Return
        e2e_focus "$E2E_WIN"
    fi
    [ "$label" != "Maps/Start.dat removed" ] || [ -n "$box" ] || e2e_fail "$label: no map box, so no game screen"
    sleep 1
    e2e_game_running || e2e_fail "$label: the game ended before Escape"
    e2e_tap Escape
    e2e_expect_exit 0 15
    results+=("$label: exit 0$box")
    e2e_log "$label: exit 0$box"
}

for f in "Texts/KeyLog.txt" "Maps/Start.dat" "Music/BGM/Christmas.mp3"; do
    one_run "$f removed" damage remove "Game Data/$f"
    one_run "$f cut to half" damage cut "Game Data/$f"
done

# The images, a folder at a time; each folder's files alternately removed and cut.
damage_folder() {
    local i=0 f
    for f in "$1"/*.png; do
        if [ $((i % 2)) = 0 ]; then damage remove "$f"; else damage cut "$f"; fi
        i=$((i + 1))
    done
}
cd "$E2E_ROOT/Game Data"
folders=()
while IFS= read -r d; do folders+=("$d"); done < <(find . -name '*.png' -printf '%h\n' | sort -u)
cd "$E2E_ROOT"
for d in "${folders[@]}"; do
    one_run "images in ${d#./}" damage_folder "Game Data/${d#./}"
done

printf '%s\n' "${results[@]}" >"$E2E_OUT/$E2E_NAME.results"
e2e_pass

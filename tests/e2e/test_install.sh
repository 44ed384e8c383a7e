#!/bin/bash
# The installed game as a player gets it: `cmake --install` into a scratch prefix, the launcher
# started from another folder with a scratch home, play reached and left with exit code 0, a map
# made in the editor saved into the per-user folder, and a second install that tops up what is
# missing there without touching the player's maps. Paths hold blanks on purpose.
source "$(dirname "$0")/lib.sh"
e2e_setup install "$1"

BUILD="$(dirname "$E2E_GAME")"
[ -f "$BUILD/cmake_install.cmake" ] || e2e_fail "no cmake_install.cmake beside $E2E_GAME"
TMP="$(mktemp -d "/tmp/hoshimori install XXXXXX")"
trap 'st=$?; rm -rf "$TMP"; (exit $st); e2e_cleanup' EXIT
PREFIX="$TMP/pre fix"
HOMEDIR="$TMP/home dir"
ELSEWHERE="$TMP/somewhere else"
USERDATA="$HOMEDIR/.local/share/hoshimori/Game Data"
mkdir -p "$HOMEDIR" "$ELSEWHERE"

install_to_prefix() {
    cmake --install "$BUILD" --prefix "$PREFIX" >>"$E2E_OUT/install.cmake.log" 2>&1 ||
        e2e_fail "cmake --install failed (see test-output/install.cmake.log)"
}
launch() {  # launch [NAME=VALUE...]: the installed launcher, by its path, from another folder
    e2e_start_in "$ELSEWHERE" env -u XDG_DATA_HOME HOME="$HOMEDIR" "$@" "$PREFIX/bin/hoshimori"
}
expect_cwd() {
    local cwd
    cwd="$(readlink "/proc/$E2E_PID/cwd")"
    [ "$cwd" = "$1" ] || e2e_fail "the game runs in '$cwd', not in '$1'"
}
pixels_differ() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d\n", $1 }'; }
painted_cells() {  # cells whose background layer holds a texture (no events: four values a cell)
    tr -s ' \n' '\n\n' <"$1" | awk 'NF { if (n % 4 == 0 && $1 != "-1") c++; n++ } END { print c + 0 }'
}

# What is installed, and what is not.
install_to_prefix
for f in "bin/hoshimori" "libexec/hoshimori/hoshimori"; do
    [ -x "$PREFIX/$f" ] || e2e_fail "$f not installed as a program"
done
for f in "share/hoshimori/Game Data/Maps/Start.dat" "share/hoshimori/Game Data/Texts/KeyLog.txt" \
    "share/hoshimori/Game Data/Music/BGM/Christmas.mp3" "share/hoshimori/Game Data/Char/Jump Attack/JumpAttack1.png" \
    share/applications/org.hoshimori.Hoshimori.desktop share/metainfo/org.hoshimori.Hoshimori.metainfo.xml \
    share/icons/hicolor/{64x64,128x128,256x256}/apps/org.hoshimori.Hoshimori.png; do
    [ -s "$PREFIX/$f" ] || e2e_fail "$f not installed"
done
diff -r -x Recovery.dat -x '*.saving' "$E2E_ROOT/Game Data" "$PREFIX/share/hoshimori/Game Data" >/dev/null ||
    e2e_fail "the installed game data differs from the source tree's"
stray="$(find "$PREFIX" \( -name '*test*' -o -name xclose -o -name '*.py' -o -name '*.sh' -o -name Recovery.dat \) -print)"
[ -z "$stray" ] || e2e_fail "tests, tools or editor leftovers installed: $stray"
desktop-file-validate "$PREFIX/share/applications/org.hoshimori.Hoshimori.desktop" ||
    e2e_fail "the desktop entry does not validate"
appstreamcli validate --no-net "$PREFIX/share/metainfo/org.hoshimori.Hoshimori.metainfo.xml" >/dev/null ||
    e2e_fail "the metainfo does not validate"

# First start: the per-user folder is seeded, the game runs in it and reaches play.
launch
e2e_answer_start no
win=$(e2e_game_window)
expect_cwd "$HOMEDIR/.local/share/hoshimori"
[ "$(readlink "/proc/$E2E_PID/exe")" = "$PREFIX/libexec/hoshimori/hoshimori" ] || e2e_fail "the launcher did not exec the game"
diff -r "$PREFIX/share/hoshimori/Game Data" "$USERDATA" >/dev/null || e2e_fail "the per-user folder is not a full copy"
sleep 1
e2e_tap Return
sleep 0.5
select=$(e2e_shot install_select "$win")
e2e_tap Return
sleep 1
game=$(e2e_shot install_game "$win")
[ "$(pixels_differ "$select" "$game")" -gt 0 ] || e2e_fail "Enter on the stage select did not start the game"
# The map drawn needs the textures: with them the picture holds far more than a few colours.
colours=$(convert "$game" -format %k info:)
[ "$colours" -gt 200 ] || e2e_fail "the game screen shows only $colours colours"
e2e_tap Escape
e2e_expect_exit 0

# Second start: a new map made in the editor lands in the per-user folder.
launch
e2e_answer_start no
win=$(e2e_game_window)
sleep 1
e2e_tap F1
sleep 0.4
e2e_tap 1
sleep 0.4
e2e_type forest
e2e_tap period
e2e_type dat
e2e_tap Return
sleep 0.5
# Left button held while the cursor sweeps right from the top left, across the grid.
e2e_mouse_move 0 40
xdotool mousedown 1
for _ in $(seq 1 20); do
    e2e_mouse_move 30 0
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
e2e_tap F9
e2e_answer_box Success Return
e2e_focus "$win"
e2e_tap Escape
e2e_expect_exit 0
MAP="$USERDATA/Maps/forest.dat"
[ -f "$MAP" ] || e2e_fail "the saved map is not in the per-user folder"
[ "$(painted_cells "$MAP")" -gt 0 ] || e2e_fail "the saved map holds no painted cell"
[ ! -e "$PREFIX/share/hoshimori/Game Data/Maps/forest.dat" ] || e2e_fail "the map went into the installed data"
[ ! -e "$USERDATA/Maps/Recovery.dat" ] || e2e_fail "a saved map left a Recovery.dat"

# The player changes the start map and loses an image; a newer version adds a map.
echo "0 0 1 0" >"$USERDATA/Maps/Start.dat"
rm "$USERDATA/Images/Misc/Title.png"
before="$(cd "$USERDATA/Maps" && sha256sum forest.dat Start.dat)"
install_to_prefix
cp "$PREFIX/share/hoshimori/Game Data/Maps/Start.dat" "$PREFIX/share/hoshimori/Game Data/Maps/Added In Update.dat"

# Third start, with a relative XDG_DATA_HOME that the launcher must ignore.
launch XDG_DATA_HOME=relative/data
e2e_answer_start no
win=$(e2e_game_window)
expect_cwd "$HOMEDIR/.local/share/hoshimori"
e2e_tap Escape
e2e_expect_exit 0
[ "$(cd "$USERDATA/Maps" && sha256sum forest.dat Start.dat)" = "$before" ] || e2e_fail "the player's maps were changed"
cmp -s "$PREFIX/share/hoshimori/Game Data/Images/Misc/Title.png" "$USERDATA/Images/Misc/Title.png" ||
    e2e_fail "a file missing from the per-user folder was not topped up"
[ -f "$USERDATA/Maps/Added In Update.dat" ] || e2e_fail "a file the update added was not copied"
[ -z "$(find "$USERDATA" -name '*.part*')" ] || e2e_fail "partial copies left behind"
[ ! -e "$ELSEWHERE/relative" ] || e2e_fail "the relative XDG_DATA_HOME was used"

# Fourth start: an absolute XDG_DATA_HOME is the folder, and the arguments reach the game.
e2e_start_in "$ELSEWHERE" env HOME="$HOMEDIR" XDG_DATA_HOME="$TMP/xdg data" "$PREFIX/bin/hoshimori" one "two words"
e2e_answer_start no
win=$(e2e_game_window)
expect_cwd "$TMP/xdg data/hoshimori"
args="$(tr '\0' '|' <"/proc/$E2E_PID/cmdline")"
[ "${args#*|}" = "one|two words|" ] || e2e_fail "the game was started as '$args'"
e2e_tap Escape
e2e_expect_exit 0
[ -f "$TMP/xdg data/hoshimori/Game Data/Maps/Start.dat" ] || e2e_fail "XDG_DATA_HOME was not seeded"

# Without the game or its data the launcher says so and fails.
mkdir -p "$TMP/broken/bin"
cp "$PREFIX/bin/hoshimori" "$TMP/broken/bin/"
HOME="$TMP/broken" "$TMP/broken/bin/hoshimori" 2>"$E2E_OUT/install.broken.log"
[ $? = 127 ] || e2e_fail "a launcher without its game did not fail with 127"
mkdir -p "$TMP/broken/libexec/hoshimori"
cp "$PREFIX/libexec/hoshimori/hoshimori" "$TMP/broken/libexec/hoshimori/"
HOME="$TMP/broken" "$TMP/broken/bin/hoshimori" 2>>"$E2E_OUT/install.broken.log"
[ $? = 1 ] || e2e_fail "a launcher without game data did not fail"
grep -q "no game data" "$E2E_OUT/install.broken.log" || e2e_fail "no message about the missing game data"

# The Debian package: the same files under /usr, and what the game needs to run declared.
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$TMP/deb" >"$E2E_OUT/install.cpack.log" 2>&1 ||
    e2e_fail "cpack -G DEB failed (see test-output/install.cpack.log)"
deb="$(ls "$TMP"/deb/hoshimori_*_*.deb)" || e2e_fail "no hoshimori_*.deb made"
depends="$(dpkg-deb -f "$deb" Depends)"
names="$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')"
for p in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libgl1 libglu1-mesa libpng16-16 libfreetype6 libfontconfig1 \
    fonts-liberation2 xfonts-base; do
    grep -qx -- "$p" <<<"$names" || e2e_fail "the package does not depend on $p: $depends"
done
dpkg-deb -x "$deb" "$TMP/unpacked"
for f in bin/hoshimori libexec/hoshimori/hoshimori "share/hoshimori/Game Data/Maps/Start.dat" \
    share/applications/org.hoshimori.Hoshimori.desktop share/icons/hicolor/256x256/apps/org.hoshimori.Hoshimori.png; do
    [ -e "$TMP/unpacked/usr/$f" ] || e2e_fail "the package lacks /usr/$f"
done
[ -z "$(find "$TMP/unpacked" \( -name '*test*' -o -name xclose \) -print)" ] || e2e_fail "the package holds tests"
e2e_pass

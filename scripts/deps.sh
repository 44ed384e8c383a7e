# Debian packages the game needs; sourced by run.sh and test.sh.
# Usage: install_missing PACKAGE... -- installs only what dpkg does not already have.

BUILD_PACKAGES="g++ make cmake pkg-config libgtest-dev libsdl2-dev libsdl2-mixer-dev libgl-dev
 libglu1-mesa-dev libpng-dev zlib1g-dev libfreetype-dev libfontconfig-dev libx11-dev dpkg-dev file"
RUN_PACKAGES="xfonts-base fonts-liberation2 libgl1-mesa-dri"
TEST_PACKAGES="xvfb xauth xdotool x11-utils imagemagick python3 desktop-file-utils appstream"

install_missing() {
    local missing="" p
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" = 0 ] || sudo="sudo"
    $sudo apt-get update -q || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

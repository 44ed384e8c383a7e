#!/bin/sh
# Regenerates every file under "Game Data/" and the desktop icon from the generators in tools/.
# Output is deterministic: a rerun reproduces the committed files byte for byte.
set -eu
cd "$(dirname "$0")"

PY=/usr/bin/python3   # Debian's python, which has python3-pil and python3-numpy

need=""
$PY -c "import PIL, numpy" 2>/dev/null || need="$need python3-pil python3-numpy"
command -v lame >/dev/null 2>&1 || need="$need lame"
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf ] || need="$need fonts-dejavu-core"
if [ -n "$need" ]; then
    echo "installing:$need"
    if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO=sudo; fi
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $need
fi

$PY gen_hero.py
$PY gen_boss.py
$PY gen_scenery.py
$PY gen_keychart.py
$PY gen_map.py Start
$PY gen_music.py
$PY gen_icon.py     # the desktop icon, under packaging/icons
echo "Game Data regenerated."

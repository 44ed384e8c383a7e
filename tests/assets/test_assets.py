#!/usr/bin/python3
"""Checks the committed game data: every image the game loads, the key chart,
the start map and the music. Runs under pytest or on its own:

    /usr/bin/python3 tests/assets/test_assets.py
"""
import os
import re
import struct
import sys
import traceback

from PIL import Image

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DATA = os.path.join(ROOT, "Game Data")

NARROW, WIDE, SQUARE = 2 / 3.2, 5 / 3.2, 1.0


def hero_frames():
    """(path, width/height or None for either hero shape, grounded)"""
    groups = [("Char/Attacking/Attack%d.png", 6, WIDE, True), ("Char/Crouching/Crouch%d.png", 5, NARROW, True),
              ("Char/Hurt/Hurt%d.png", 2, None, False), ("Char/HurtFall/HurtFall%d.png", 8, None, False),
              ("Char/Jump Attack/JumpAttack%d.png", 6, WIDE, False), ("Char/Jumping/Jump%d.png", 5, WIDE, False),
              ("Char/Walking/Walk%d.png", 6, NARROW, True), ("Char/Stop/Stop%d.png", 6, WIDE, True),
              ("Char/Turn/Turn%d.png", 2, NARROW, True), ("Char/Land/Land%d.png", 3, WIDE, True)]
    out = [("Char/Still.png", WIDE, True)]
    for pat, n, ratio, grounded in groups:
        out += [(pat % (k + 1), ratio, grounded) for k in range(n)]
    return out


# every image the texture manager loads: (path, width/height or None, is a sprite with transparency)
TEXTURES = ([("Images/Attacking.png", SQUARE, False), ("back.png", 4.0, False),
             ("images/attacks/waterfall.png", None, True), ("Images/Misc/Particle.png", SQUARE, True),
             ("Images/Misc/event.png", SQUARE, True), ("Images/Misc/Window.png", SQUARE, False),
             ("Images/Misc/Window2.png", SQUARE, False), ("Images/Misc/Title.png", 2.56, True),
             ("Intro.png", 13.23 / 24.48, False), ("HPPP.png", SQUARE, False),
             ("boss/Carp_left.png", 2 / 3, True), ("boss/Carp_left_2.png", 2 / 3, True),
             ("boss/Carp_up.png", 2 / 3, True), ("boss/Carp_down.png", 2 / 3, True)] +
            [(p, r, True) for p, r, g in hero_frames()])


def load(rel):
    im = Image.open(os.path.join(DATA, rel))
    im.load()
    return im


def test_every_texture_is_an_rgba_png_of_the_right_shape():
    bad = []
    for rel, ratio, sprite in TEXTURES:
        path = os.path.join(DATA, rel)
        if not os.path.isfile(path):
            bad.append(rel + ": missing")
            continue
        im = load(rel)
        if im.format != "PNG" or im.mode != "RGBA":
            bad.append("%s: %s %s" % (rel, im.format, im.mode))
            continue
        r = im.width / im.height
        if ratio is None:
            if rel.startswith("Char/") and min(abs(r - NARROW), abs(r - WIDE)) > 0.01 * r:
                bad.append("%s: %dx%d is neither hero shape" % (rel, im.width, im.height))
        elif abs(r - ratio) > 0.01 * ratio:
            bad.append("%s: %dx%d, want ratio %.3f" % (rel, im.width, im.height, ratio))
        a = im.getchannel("A")
        lo, hi = a.getextrema()
        if hi < 200:  # the particle and the water are soft, but not invisible
            bad.append(rel + ": nothing opaque")
        if sprite:
            w, h = im.size
            corners = [a.getpixel(p) for p in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1))]
            if lo > 0 or max(corners[:2]) > 0:
                bad.append(rel + ": no transparent surround")
    assert not bad, "\n".join(bad)


def test_hero_frames_stand_on_the_bottom_edge_and_share_one_scale():
    bad = []
    heights = set()
    for rel, ratio, grounded in hero_frames():
        im = load(rel)
        heights.add(im.height)
        a = im.getchannel("A")
        bottom = a.crop((0, im.height - 2, im.width, im.height)).getextrema()[1]
        if grounded and bottom < 200:
            bad.append(rel + ": feet do not reach the bottom edge")
    assert not bad, "\n".join(bad)
    assert len(heights) == 1, heights  # narrow and wide frames at the same pixels per unit


def test_frames_of_an_animation_differ():
    """Each animation frame must show a new pose, or the motion stalls."""
    bad = []
    frames = [p for p, r, g in hero_frames()]
    for prev, cur in zip(frames, frames[1:]):
        if os.path.dirname(prev) != os.path.dirname(cur):
            continue
        if os.path.basename(cur).startswith("Stop6"):
            continue  # the stop settles into the standing pose
        if load(prev).tobytes() == load(cur).tobytes():
            bad.append(cur)
    for a, b in (("boss/Carp_left.png", "boss/Carp_left_2.png"),):
        if load(a).tobytes() == load(b).tobytes():
            bad.append(b)
    assert not bad, bad


def test_ground_tile_is_seamless():
    im = load("Images/Attacking.png").convert("RGB")
    px = im.load()
    w, h = im.size

    def step(a, b):
        return sum(abs(x - y) for x, y in zip(a, b))

    inner_x = sum(step(px[x, y], px[x + 1, y]) for x in range(w - 1) for y in range(h)) / ((w - 1) * h)
    wrap_x = sum(step(px[w - 1, y], px[0, y]) for y in range(h)) / h
    inner_y = sum(step(px[x, y], px[x, y + 1]) for x in range(w) for y in range(h - 1)) / ((h - 1) * w)
    wrap_y = sum(step(px[x, h - 1], px[x, 0]) for x in range(w)) / w
    # the seam may carry a mortar line, but no harder jump than the block edges inside
    assert wrap_x < 4 * inner_x + 30 and wrap_y < 4 * inner_y + 30, (inner_x, wrap_x, inner_y, wrap_y)


def test_panel_particle_and_backdrop_content():
    # the health number is printed in black from the centre to the right
    hp = load("HPPP.png").convert("RGBA")
    w, h = hp.size
    region = hp.crop((int(w * 0.45), int(h * 0.28), int(w * 0.9), int(h * 0.58)))
    lum = [0.3 * r + 0.59 * g + 0.11 * b for r, g, b, a in region.getdata()]
    assert min(lum) > 150, min(lum)
    # additive particle: white, bright centre, nothing at the border
    p = load("Images/Misc/Particle.png")
    pw, ph = p.size
    assert p.getpixel((pw // 2, ph // 2))[3] > 200
    border = [p.getpixel((x, 0))[3] for x in range(pw)] + [p.getpixel((0, y))[3] for y in range(ph)]
    assert max(border) == 0
    assert all(c == 255 for c in p.getpixel((pw // 2, ph // 2))[:3])
    # the sky is darker at the top than near the horizon, and fully opaque
    back = load("back.png").convert("RGBA")
    assert back.getchannel("A").getextrema() == (255, 255)
    top = back.crop((0, 0, back.width, back.height // 10)).convert("L").resize((1, 1), Image.BOX).getpixel((0, 0))
    mid = back.crop((0, back.height // 2, back.width, back.height // 2 + 20)).convert("L").resize(
        (1, 1), Image.BOX).getpixel((0, 0))
    assert top < mid


# --- key chart -------------------------------------------------------------------

def c_int(s):
    """What fscanf "%i" makes of a token: optional sign, then 0x hex, 0 octal or decimal."""
    m = re.match(r"\s*([+-]?)(0[xX][0-9a-fA-F]+|0[0-7]*|[1-9][0-9]*)", s)
    if not m:
        return None, s
    sign = -1 if m.group(1) == "-" else 1
    t = m.group(2)
    v = int(t, 16) if t[:2].lower() == "0x" else int(t, 8) if t.startswith("0") else int(t)
    return sign * v, s[m.end():]


def read_chart(data):
    recs = []
    for k in range(63):
        rec = data[8 * k:8 * k + 8].decode("ascii")
        code, rest = c_int(rec)
        ch = rest.split()[0] if rest.split() else None
        recs.append((rec, code, ch))
    return recs


def test_key_chart_records():
    with open(os.path.join(DATA, "Texts/KeyLog.txt"), "rb") as f:
        data = f.read()
    assert len(data) == 63 * 8
    chart = {}
    for rec, code, ch in read_chart(data):
        assert rec.endswith("\n") and "\r" not in rec, repr(rec)
        assert not rec.lstrip().startswith("0"), "leading zero reads as octal: %r" % rec
        assert code is not None and 0 <= code <= 62, repr(rec)
        assert ch is not None and len(ch) == 1, repr(rec)
        chart.setdefault(code, ch)  # first match wins
    expect = {2: "1", 10: "9", 11: "0", 12: "-", 16: "Q", 25: "P", 30: "A", 38: "L", 44: "Z", 50: "M",
              52: ".", 53: "/"}
    for code, ch in expect.items():
        assert chart.get(code) == ch, (code, chart.get(code))
    letters = {c for c in chart.values() if c.isalpha()}
    assert letters == set("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
    # keys the field handles itself, or that have no character, are not in the chart
    for code in (1, 14, 15, 28, 29, 42, 54, 56, 57):
        assert code not in chart, code


def test_chart_reader_matches_fscanf_on_tricky_records():
    cases = [("12 -    \n", 12, "-"), ("010 x   \n", 8, "x"), ("0x1E A  \n", 30, "A"), ("  7 6   \n", 7, "6")]
    for rec, code, ch in cases:
        got = read_chart(rec.encode().ljust(63 * 8))[0]
        assert got[1:] == (code, ch), (rec, got)


# --- start map -------------------------------------------------------------------

def read_map(text):
    """Mirror of the game's loader: fscanf-style tokens, column outer, row inner."""
    tok = text.split()
    i = 0
    cells = {}
    for col in range(100):
        for row in range(25):
            back, fore, coll, ev = (int(t) for t in tok[i:i + 4])
            i += 4
            c = {"back": back, "fore": fore, "coll": coll, "event": ev}
            if ev == 1:
                c["facing"], c["id"] = int(tok[i]), int(tok[i + 1])
                i += 2
            elif ev == 2:
                c["name"] = tok[i]
                i += 1
            cells[col, row] = c
    assert i == len(tok), "trailing tokens"
    return cells


def write_map(cells):
    out = []
    for col in range(100):
        for row in range(25):
            c = cells[col, row]
            out.append("%i %i %i %i " % (c["back"], c["fore"], c["coll"], c["event"]))
            if c["event"] == 1:
                out.append("%i %i " % (c["facing"], c["id"]))
            elif c["event"] == 2:
                out.append("%s " % c["name"])
    return "".join(out)


def start_map():
    with open(os.path.join(DATA, "Maps/Start.dat"), newline="") as f:
        return f.read()


def test_start_map_is_exactly_what_the_editor_would_save():
    text = start_map()
    cells = read_map(text)
    assert len(cells) == 2500
    assert write_map(cells) == text  # one line, one blank after every value, nothing else
    for c in cells.values():
        assert c["back"] in (-1, 0) and c["fore"] in (-1, 0) and c["coll"] in (0, 1) and c["event"] in (0, 1, 2)


def test_hero_lands_from_each_spawn_inside_the_walkable_band():
    cells = read_map(start_map())
    spawns = {c["id"]: (col, row, c["facing"]) for (col, row), c in cells.items() if c["event"] == 1}
    assert 0 in spawns and 1 in spawns
    assert spawns[0][2] == 1  # the game starts facing right
    for sid, (col, row, facing) in spawns.items():
        x, y = col + 0.5, row + 1.6
        assert 19.0 < x < 53.0, sid
        for _ in range(400):  # fall 0.15 a frame until the feet are in a solid cell
            feet = int(y - 1.6)
            if 0 <= feet < 25 and cells[int(x), feet]["coll"] == 1:
                break
            y -= 0.15
        else:
            raise AssertionError("spawn %d falls out of the map" % sid)
        assert int(y - 1.6) >= 0
    teleports = [c["name"] for c in cells.values() if c["event"] == 2]
    assert "Start.dat" in teleports


def test_arena_floor_and_open_boss_lane():
    cells = read_map(start_map())
    for col in range(100):
        assert cells[col, 0]["coll"] == cells[col, 1]["coll"] == 1, col
        assert cells[col, 0]["back"] == 0
    # the boss swims at y 2.6 (its quad spans rows 1..4) and rises at x 39 to y 12
    for col in range(19, 51):
        for row in (2, 3):
            assert cells[col, row]["fore"] == -1 and cells[col, row]["coll"] == 0, (col, row)
    for row in range(2, 14):
        for col in (38, 39):
            assert cells[col, row]["fore"] == -1, (col, row)
    # platforms to climb, each within a jump (about 5 units) of a lower surface
    tops = sorted({row for (col, row), c in cells.items() if c["coll"] and 19 <= col <= 53 and row > 1})
    assert tops, "no platforms"
    prev = 1
    for row in tops:
        assert row - prev <= 4, tops
        prev = row
    assert any(c["fore"] == 0 for c in cells.values()), "no foreground decoration"


# --- music -----------------------------------------------------------------------

def test_music_is_a_gapless_mp3_of_a_minute_or_more():
    path = os.path.join(DATA, "Music/BGM/Christmas.mp3")
    size = os.path.getsize(path)
    assert size < 3 * 1024 * 1024
    with open(path, "rb") as f:
        head = f.read(4096)
    assert head[:3] != b"ID3"  # no tag with dates in it
    b1, b2, b3 = head[1], head[2], head[3]
    assert head[0] == 0xFF and (b1 & 0xE0) == 0xE0, "no MPEG frame sync"
    bitrates = [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320]
    kbps = bitrates[b2 >> 4] if (b1 & 0x1E) == 0x1A else None  # MPEG-1 layer III
    assert kbps, "not MPEG-1 layer III"
    # the first frame carries the Info/Xing header with the LAME encoder delay and padding
    assert b"Info" in head[:200] or b"Xing" in head[:200]
    assert b"LAME" in head[:400]
    tag = head.find(b"Info") if b"Info" in head[:200] else head.find(b"Xing")
    flags = struct.unpack(">I", head[tag + 4:tag + 8])[0]
    frames = struct.unpack(">I", head[tag + 8:tag + 12])[0] if flags & 1 else 0
    seconds = frames * 1152 / 44100 if frames else size * 8 / (kbps * 1000)
    assert seconds >= 60, seconds


def main():
    tests = [(n, f) for n, f in sorted(globals().items()) if n.startswith("test_") and callable(f)]
    passed = failed = 0
    for name, fn in tests:
        try:
            fn()
            passed += 1
            print("ok    " + name)
        except Exception:
            failed += 1
            print("FAIL  " + name)
            traceback.print_exc()
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

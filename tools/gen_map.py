#!/usr/bin/python3
"""Turns a map layout (tools/maps/NAME.txt) into the game's map file.

Output: one line; for each cell, column 0..99 outer and row 0..24 inner,
"back fore collision event " then "facing id " for a spawn or "name " for a
teleport -- the same bytes the editor's save writes.
"""
import os
import sys

from artlib import ROOT, out_path

COLS, ROWS = 100, 25
TILES = {  # char: (back tile, fore tile, collision)
    ".": (-1, -1, 0),
    "=": (0, -1, 1),
    "+": (0, -1, 0),
    "F": (-1, 0, 0),
    "X": (0, 0, 1),
}


def parse(text):
    lines = text.splitlines()
    start = lines.index("grid") + 1
    grid = lines[start:start + ROWS]
    if len(grid) != ROWS or any(len(r) != COLS for r in grid):
        raise ValueError("the grid must be %d lines of %d characters" % (ROWS, COLS))
    cells = {}
    for i, line in enumerate(grid):
        row = ROWS - 1 - i
        for col, ch in enumerate(line):
            if ch not in TILES:
                raise ValueError("unknown map character %r at column %d row %d" % (ch, col, row))
            back, fore, coll = TILES[ch]
            cells[col, row] = {"back": back, "fore": fore, "coll": coll, "event": 0}
    for line in lines[start + ROWS:]:
        f = line.split()
        if not f:
            continue
        col, row = int(f[1]), int(f[2])
        if f[0] == "spawn":
            cells[col, row].update(event=1, facing=int(f[3]), id=int(f[4]))
        elif f[0] == "teleport":
            # a name with blanks or over 15 characters would not survive a reload
            if len(f) != 4 or len(f[3]) > 15:
                raise ValueError("teleport needs one map name of at most 15 characters")
            cells[col, row].update(event=2, name=f[3])
        else:
            raise ValueError("unknown event line: " + line)
    return cells


def serialise(cells):
    out = []
    for col in range(COLS):
        for row in range(ROWS):
            c = cells[col, row]
            out.append("%i %i %i %i " % (c["back"], c["fore"], c["coll"], c["event"]))
            if c["event"] == 1:
                out.append("%i %i " % (c["facing"], c["id"]))
            elif c["event"] == 2:
                out.append("%s " % c["name"])
    return "".join(out)


def main(name="Start"):
    src = os.path.join(ROOT, "tools", "maps", name + ".txt")
    with open(src) as f:
        cells = parse(f.read())
    with open(out_path("Maps/" + name + ".dat"), "w", newline="") as f:
        f.write(serialise(cells))


if __name__ == "__main__":
    main(*sys.argv[1:])

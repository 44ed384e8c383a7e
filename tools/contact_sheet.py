#!/usr/bin/python3
"""Lays every generated image out on one sheet for review (not a game file).

usage: contact_sheet.py [OUT.png] [SCALE] [GLOB]
Images are shown on a checker so transparency is visible.
"""
import glob
import os
import sys

from PIL import Image, ImageDraw

from artlib import DATA


def checker(w, h, c1=(40, 44, 70), c2=(60, 66, 100), s=8):
    im = Image.new("RGBA", (w, h), c1 + (255,))
    d = ImageDraw.Draw(im)
    for y in range(0, h, s):
        for x in range((y // s) % 2 * s, w, 2 * s):
            d.rectangle([x, y, x + s - 1, y + s - 1], fill=c2 + (255,))
    return im


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/contact_sheet.png"
    scale = float(sys.argv[2]) if len(sys.argv) > 2 else 1.0
    pat = sys.argv[3] if len(sys.argv) > 3 else "**/*.png"
    files = sorted(glob.glob(os.path.join(DATA, pat), recursive=True))
    tiles = []
    for f in files:
        im = Image.open(f).convert("RGBA")
        if max(im.size) > 400:
            k = 400 / max(im.size)
            im = im.resize((max(1, int(im.width * k)), max(1, int(im.height * k))), Image.LANCZOS)
        if scale != 1.0:
            im = im.resize((int(im.width * scale), int(im.height * scale)), Image.NEAREST)
        tiles.append((os.path.relpath(f, DATA), im))
    W = 1600
    x = y = 0
    rowh = 0
    pos = []
    for name, im in tiles:
        w, h = im.width + 8, im.height + 22
        if x + w > W:
            x, y = 0, y + rowh
            rowh = 0
        pos.append((x, y))
        x += w
        rowh = max(rowh, h)
    sheet = Image.new("RGBA", (W, y + rowh), (20, 20, 30, 255))
    d = ImageDraw.Draw(sheet)
    for (name, im), (px, py) in zip(tiles, pos):
        bg = checker(im.width, im.height)
        bg.alpha_composite(im)
        sheet.paste(bg, (px + 4, py + 4))
        d.text((px + 4, py + im.height + 6), os.path.basename(name)[:22], fill=(220, 220, 220, 255))
    sheet.save(out)
    print(out, sheet.size)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Draws the desktop icon: the star carp leaping over the snowy pines at night.

The carp, the pines and the sky are the game's own drawings (gen_boss.py,
gen_scenery.py), drawn once at 512 px on a rounded tile and box-filtered down
to the hicolor sizes under packaging/icons/.
"""
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from artlib import ROOT, SS, Canvas, downscale, soft_dot
import gen_boss
import gen_scenery

APP_ID = "org.hoshimori.Hoshimori"
SIZES = (48, 64, 128, 256)
MASTER = 512
ICONS = os.path.join(ROOT, "packaging", "icons", "hicolor")


def night_tile(size):
    """The rounded tile: the backdrop's night gradient, stars, moon and two rows of pines."""
    rng = np.random.default_rng(13)
    y = np.linspace(0, 1, size)[:, None]
    sky = np.where(y < 0.6, gen_scenery.NIGHT_TOP + (gen_scenery.NIGHT_MID - gen_scenery.NIGHT_TOP) * (y / 0.6),
                   gen_scenery.NIGHT_MID + (gen_scenery.NIGHT_LOW - gen_scenery.NIGHT_MID) * ((y - 0.6) / 0.4))
    img = np.repeat(sky[:, None, :], size, axis=1).reshape(size, size, 3)
    tile = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    d = ImageDraw.Draw(tile)
    for k in range(90):
        x, yy = rng.random() * size, rng.random() ** 1.3 * size * 0.7
        r = size * (0.0015 + 0.004 * rng.random() ** 3)
        c = int(150 + 105 * rng.random())
        d.ellipse([x - r, yy - r, x + r, yy + r], fill=(c, c, min(255, c + 20), 255))
    # the moon with its halo, top right, clear of the carp's head
    mx, my, mr = size * 0.78, size * 0.2, size * 0.075
    halo = Image.new("RGBA", tile.size, (0, 0, 0, 0))
    ImageDraw.Draw(halo).ellipse([mx - mr * 2.2, my - mr * 2.2, mx + mr * 2.2, my + mr * 2.2],
                                 fill=(170, 190, 255, 90))
    tile.alpha_composite(halo.filter(ImageFilter.GaussianBlur(size * 0.04)))
    d.ellipse([mx - mr, my - mr, mx + mr, my + mr], fill=(244, 240, 222, 255))
    for cx, cy, cr in ((-0.3, -0.15, 0.22), (0.32, 0.28, 0.16), (0.1, -0.42, 0.12)):
        d.ellipse([mx + cx * mr - cr * mr, my + cy * mr - cr * mr, mx + cx * mr + cr * mr, my + cy * mr + cr * mr],
                  fill=(222, 218, 204, 255))
    for base_y, hmin, hmax, col, snow, count in (
            (0.8, 0.18, 0.3, (36, 42, 86, 255), (110, 124, 180, 255), 9),
            (0.93, 0.26, 0.42, (12, 14, 34, 255), (200, 214, 246, 255), 6)):
        lay = Image.new("RGBA", tile.size, (0, 0, 0, 0))
        ld = ImageDraw.Draw(lay)
        xs = (np.arange(count) + 0.5 + 0.4 * (rng.random(count) - 0.5)) / count * size * 1.1 - size * 0.05
        for x0 in xs:
            h = size * (hmin + rng.random() * (hmax - hmin))
            gen_scenery.pine(ld, x0, size * base_y, h, h * 0.48, col, snow)
        ld.rectangle([0, size * base_y + 2, size, size], fill=col)
        tile.alpha_composite(lay)
    # a rounded square with a frosted rim, like the stage windows
    mask = Image.new("L", tile.size, 0)
    inset, radius = size * 0.04, size * 0.18
    ImageDraw.Draw(mask).rounded_rectangle([inset, inset, size - inset, size - inset], radius, fill=255)
    tile.putalpha(mask)
    rim = Image.new("RGBA", tile.size, (0, 0, 0, 0))
    ImageDraw.Draw(rim).rounded_rectangle([inset, inset, size - inset, size - inset], radius,
                                          outline=(200, 214, 246, 255), width=max(1, int(size * 0.018)))
    tile.alpha_composite(rim)
    return tile


def carp(size):
    """The boss's first swimming pose, head up and to the left, filling most of the tile."""
    ppu = size / 3.3
    cv = Canvas(size, size, ppu, (size * 0.52, size * 0.5))
    cv.ow = 0.03
    gen_boss.side_carp(cv, [(-0.72, 1.08), (-0.36, 0.72), (0.02, 0.18), (0.18, -0.38), (0.1, -0.78)], 0.55, 0.0)
    return cv.finish()


def icon():
    tile = night_tile(MASTER * SS)
    tile = downscale(tile, (MASTER, MASTER))
    fish = carp(MASTER)
    # the carp's magic: a soft light behind it, then the fish itself
    glow = soft_dot(MASTER, MASTER * 0.2, (150, 230, 255))
    glow.putalpha(glow.getchannel("A").point(lambda v: v * 3 // 5))
    tile.alpha_composite(glow)
    tile.alpha_composite(fish)
    return tile


def main():
    master = icon()
    for size in SIZES:
        path = os.path.join(ICONS, "%dx%d" % (size, size), "apps", APP_ID + ".png")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        downscale(master, (size, size)).save(path, "PNG", optimize=True)


if __name__ == "__main__":
    main()

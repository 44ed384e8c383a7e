#!/usr/bin/python3
"""Backdrop, ground tile, title, intro crawl, stage windows, health panel and
the small effect images. All randomness comes from fixed seeds."""
import math

import numpy as np
from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

from artlib import SS, Canvas, OUTLINE, downscale, font_path, glow, save_png, soft_dot

NIGHT_TOP = np.array([6, 8, 26], float)
NIGHT_MID = np.array([18, 26, 68], float)
NIGHT_LOW = np.array([58, 58, 112], float)


def wrap_noise(rng, h, w, sigma):
    """Seamless (periodic) smooth noise in 0..1, blurred in Fourier space."""
    n = rng.standard_normal((h, w))
    fy = np.fft.fftfreq(h)[:, None]
    fx = np.fft.fftfreq(w)[None, :]
    g = np.exp(-2 * (math.pi * sigma) ** 2 * (fx * fx + fy * fy))
    s = np.real(np.fft.ifft2(np.fft.fft2(n) * g))
    s -= s.min()
    return s / (s.max() or 1)


# --- ground tile -------------------------------------------------------------

def ground_tile(size=64):
    """Frosted stone blocks, two courses per tile, seamless in both directions."""
    rng = np.random.default_rng(11)
    n1 = wrap_noise(rng, size, size, 2.0)
    n2 = wrap_noise(rng, size, size, 0.7)
    base = np.array([74, 82, 112], float)
    img = np.zeros((size, size, 3), float)
    course = size // 2
    yy, xx = np.mgrid[0:size, 0:size]
    row = yy // course
    shift = (row % 2) * (size // 4)
    bx = (xx + shift) % (size // 2)
    brick_id = (((xx + shift) % size) // (size // 2)) + 2 * row
    tint = np.array([[0, 0, 0], [6, 4, 10], [-6, -4, 0], [4, 8, 12]], float)[brick_id % 4]
    img[:] = base + tint
    img += (n1[..., None] - 0.5) * 34 + (n2[..., None] - 0.5) * 16
    by = yy % course
    # bevel: light top edge, dark bottom edge of every block
    img += np.where(by < 3, 26, 0)[..., None]
    img -= np.where(by > course - 4, 24, 0)[..., None]
    img += np.where(bx < 2, 12, 0)[..., None]
    img -= np.where(bx > size // 2 - 3, 16, 0)[..., None]
    # snow settled on top of each block, with a ragged lower edge
    edge = 3 + 3 * np.sin(xx * 2 * math.pi / (size / 2) * 1.0 + row * 1.7) + 2 * n2 * 2
    snow = by < edge
    img = np.where(snow[..., None], np.array([226, 236, 250], float) - n2[..., None] * 30, img)
    # mortar lines
    mortar = (by == 0) | (bx == 0)
    img = np.where(mortar[..., None], np.array([36, 36, 58], float), img)
    # frost flecks
    sp = rng.random((size, size)) > 0.985
    img = np.where(sp[..., None], np.array([200, 214, 240], float), img)
    arr = np.clip(img, 0, 255).astype(np.uint8)
    a = np.full((size, size, 1), 255, np.uint8)
    return Image.fromarray(np.concatenate([arr, a], axis=2), "RGBA")


# --- backdrop ----------------------------------------------------------------

def pine(d, x, base, h, w, fill, snow):
    """A layered pine silhouette with snow resting on each tier."""
    tiers = 5
    d.rectangle([x - w * 0.06, base - h * 0.12, x + w * 0.06, base], fill=fill)
    for k in range(tiers):
        t0 = k / tiers
        top = base - h * (0.12 + 0.88 * (t0 + 1.0 / tiers * 1.6)) if k < tiers - 1 else base - h
        bot = base - h * (0.12 + 0.8 * t0)
        half = w * (1 - t0 * 0.75) / 2
        top = max(top, base - h)
        d.polygon([(x - half, bot), (x, top), (x + half, bot)], fill=fill)
        if snow:
            d.polygon([(x - half * 0.95, bot - 1), (x - half * 0.4, bot - (bot - top) * 0.32),
                       (x, bot - (bot - top) * 0.18), (x + half * 0.5, bot - (bot - top) * 0.28),
                       (x + half * 0.95, bot - 1), (x, bot - (bot - top) * 0.08)], fill=snow)


def backdrop(w=4096, h=1024):
    rng = np.random.default_rng(7)
    y = np.linspace(0, 1, h)[:, None]
    sky = np.where(y < 0.55, NIGHT_TOP + (NIGHT_MID - NIGHT_TOP) * (y / 0.55),
                   NIGHT_MID + (NIGHT_LOW - NIGHT_MID) * ((y - 0.55) / 0.45))
    img = np.repeat(sky[:, None, :], w, axis=1).reshape(h, w, 3).copy()
    # a faint aurora ribbon across the upper sky
    xs = np.linspace(0, 1, w)[None, :]
    centre = 0.28 + 0.06 * np.sin(xs * 9.0) + 0.03 * np.sin(xs * 23.0 + 1.0)
    band = np.exp(-((y - centre) / 0.045) ** 2) * (0.5 + 0.5 * np.sin(xs * 31.0) ** 2)
    img += band[..., None] * np.array([20, 70, 60], float)
    # milky way haze
    mw = np.exp(-((y - (0.15 + 0.5 * xs)) / 0.12) ** 2) * wrap_noise(rng, h, w, 20.0)
    img += mw[..., None] * np.array([30, 30, 46], float)
    # stars: many faint, a few bright with a soft halo
    n = 2600
    sx = rng.integers(0, w, n)
    sy = (rng.random(n) ** 1.4 * h * 0.78).astype(int)
    sb = rng.random(n) ** 3
    for x0, y0, b in zip(sx, sy, sb):
        c = 90 + 165 * b
        img[y0, x0] = np.maximum(img[y0, x0], [c, c, min(255, c + 20)])
        if b > 0.5:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                yy, xx = y0 + dy, (x0 + dx) % w
                img[yy, xx] = np.maximum(img[yy, xx], [c * 0.55, c * 0.55, c * 0.65])
    base = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8), "RGB").convert("RGBA")
    # twinkling crosses and the moon
    fx = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    fd = ImageDraw.Draw(fx)
    for k in range(60):
        x0, y0 = int(rng.integers(0, w)), int(rng.random() ** 1.3 * h * 0.6)
        r = 3 + int(rng.integers(0, 6))
        fd.line([(x0 - r, y0), (x0 + r, y0)], fill=(220, 230, 255, 200))
        fd.line([(x0, y0 - r), (x0, y0 + r)], fill=(220, 230, 255, 200))
    mx, my, mr = 1420, 330, 62
    fx = fx.filter(ImageFilter.GaussianBlur(1.2))
    halo = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(halo).ellipse([mx - mr * 2.2, my - mr * 2.2, mx + mr * 2.2, my + mr * 2.2], fill=(170, 190, 255, 90))
    halo = halo.filter(ImageFilter.GaussianBlur(40))
    base.alpha_composite(halo)
    base.alpha_composite(fx)
    md = ImageDraw.Draw(base)
    md.ellipse([mx - mr, my - mr, mx + mr, my + mr], fill=(244, 240, 222, 255))
    for cx, cy, cr in ((-18, -10, 14), (20, 18, 10), (8, -26, 7), (-10, 26, 8)):
        md.ellipse([mx + cx - cr, my + cy - cr, mx + cx + cr, my + cy + cr], fill=(222, 218, 204, 255))
    # distant snowy mountains
    layers = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ld = ImageDraw.Draw(layers)
    ridge = []
    for x in range(0, w + 64, 64):
        yv = 640 - 120 * abs(math.sin(x / 520.0 + 0.7)) - 60 * abs(math.sin(x / 190.0)) + 20 * math.sin(x / 61.0)
        ridge.append((x, yv))
    ld.polygon(ridge + [(w, h), (0, h)], fill=(44, 50, 96, 255))
    # snow caps: deeper on the high peaks, with a ragged lower edge
    rx = np.array([p[0] for p in ridge], float)
    ry = np.array([p[1] for p in ridge], float)
    top = np.interp(np.arange(w), rx, ry)
    cols = np.arange(w)
    depth = np.clip((600 - top) * 0.7, 0, 90) * (0.75 + 0.25 * np.sin(cols / 23.0) * np.sin(cols / 9.0))
    rows = np.arange(h)[:, None]
    snow = (rows >= top[None, :]) & (rows < (top + depth)[None, :])
    snow_img = np.zeros((h, w, 4), np.uint8)
    snow_img[snow] = (150, 164, 214, 255)
    layers.alpha_composite(Image.fromarray(snow_img, "RGBA"))
    layers = layers.filter(ImageFilter.GaussianBlur(1.5))
    base.alpha_composite(layers)
    # mist in front of the mountains
    mist = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(mist).rectangle([0, 640, w, 760], fill=(120, 130, 190, 70))
    base.alpha_composite(mist.filter(ImageFilter.GaussianBlur(30)))
    # three rows of pines, far to near
    for row, (base_y, hmin, hmax, col, snow, count) in enumerate([
            (780, 90, 170, (36, 42, 86, 255), (110, 124, 180, 255), 150),
            (860, 140, 250, (22, 26, 58, 255), (160, 176, 226, 255), 110),
            (950, 220, 380, (12, 14, 34, 255), (200, 214, 246, 255), 60)]):
        lay = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        d = ImageDraw.Draw(lay)
        xs = np.sort(rng.random(count)) * (w + 200) - 100
        for x0 in xs:
            hh = hmin + rng.random() * (hmax - hmin)
            pine(d, x0, base_y + rng.random() * 24, hh, hh * 0.48, col, snow)
        d.rectangle([0, base_y + 10, w, h], fill=col)
        if row < 2:
            lay = lay.filter(ImageFilter.GaussianBlur(1.0 - 0.4 * row))
        base.alpha_composite(lay)
    # snowy ground behind the map floor
    gd = ImageDraw.Draw(base)
    pts = [(x, 930 + 10 * math.sin(x / 140.0) + 6 * math.sin(x / 37.0)) for x in range(0, w + 32, 32)]
    gd.polygon(pts + [(w, h), (0, h)], fill=(176, 190, 232, 255))
    # a few drifting snowflakes
    fl = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    fld = ImageDraw.Draw(fl)
    for k in range(500):
        x0, y0 = rng.random() * w, rng.random() * h
        r = 1 + rng.random() * 2.2
        fld.ellipse([x0 - r, y0 - r, x0 + r, y0 + r], fill=(235, 240, 255, int(90 + 120 * rng.random())))
    base.alpha_composite(fl.filter(ImageFilter.GaussianBlur(0.6)))
    return base


# --- title -------------------------------------------------------------------

def star_points(cx, cy, r, inner=0.38, n=4, rot=0.0):
    pts = []
    for k in range(2 * n):
        a = rot + math.pi / 2 + k * math.pi / n
        rr = r if k % 2 == 0 else r * inner
        pts.append((cx + math.cos(a) * rr, cy - math.sin(a) * rr))
    return pts


def title(w=1024, h=400):
    S = 2
    W, Hh = w * S, h * S
    text = "Hoshimori"
    tmp = Image.new("L", (W, Hh), 0)
    td = ImageDraw.Draw(tmp)
    for size in range(240, 60, -4):
        font = ImageFont.truetype(font_path("DejaVuSerif-Bold.ttf"), size * S)
        bb = td.textbbox((0, 0), text, font=font, stroke_width=9 * S)
        if bb[2] - bb[0] <= W * 0.86:
            break
    tx = (W - (bb[2] - bb[0])) / 2 - bb[0]
    ty = (Hh - (bb[3] - bb[1])) / 2 - bb[1] - 20 * S
    td.text((tx, ty), text, font=font, fill=255)
    mask = tmp
    # icy gradient fill: moonlight white on top to deep blue below
    yy = np.linspace(0, 1, Hh)[:, None]
    top, mid, bot = np.array([255, 255, 255]), np.array([170, 214, 255]), np.array([60, 96, 210])
    grad = np.where(yy < 0.5, top + (mid - top) * (yy / 0.5), mid + (bot - mid) * ((yy - 0.5) / 0.5))
    fill = np.repeat(grad[:, None, :], W, axis=1).reshape(Hh, W, 3)
    letters = Image.fromarray(fill.astype(np.uint8), "RGB").convert("RGBA")
    letters.putalpha(mask)
    # dark contour and a soft blue glow around it
    contour = Image.new("L", (W, Hh), 0)
    ImageDraw.Draw(contour).text((tx, ty), text, font=font, fill=255, stroke_width=9 * S, stroke_fill=255)
    out = Image.new("RGBA", (W, Hh), (0, 0, 0, 0))
    g = glow(Image.merge("RGBA", [contour] * 4), 18 * S, (120, 180, 255), 1.4)
    out.alpha_composite(g)
    c = Image.new("RGBA", (W, Hh), (16, 20, 60, 255))
    c.putalpha(contour)
    out.alpha_composite(c)
    out.alpha_composite(letters)
    # snow caps on the letter tops: the upper edge of the mask, thickened
    m = np.array(mask, float) / 255
    shifted = np.zeros_like(m)
    shifted[10 * S:] = m[:-10 * S]
    cap = np.clip(m - shifted, 0, 1)
    capimg = Image.new("RGBA", (W, Hh), (255, 255, 255, 0))
    capimg.putalpha(Image.fromarray((cap * 235).astype(np.uint8), "L").filter(ImageFilter.GaussianBlur(1.5 * S)))
    out.alpha_composite(capimg)
    # stars around the word
    sd = ImageDraw.Draw(out)
    for (sx, sy, r) in ((0.1, 0.16, 34), (0.9, 0.2, 26), (0.83, 0.82, 20), (0.16, 0.84, 16), (0.5, 0.1, 18),
                        (0.62, 0.9, 12), (0.34, 0.9, 10)):
        sg = Image.new("RGBA", (W, Hh), (0, 0, 0, 0))
        ImageDraw.Draw(sg).ellipse([sx * W - r * 2 * S, sy * Hh - r * 2 * S, sx * W + r * 2 * S, sy * Hh + r * 2 * S],
                                   fill=(200, 225, 255, 120))
        out.alpha_composite(sg.filter(ImageFilter.GaussianBlur(r * S * 0.8)))
        sd.polygon(star_points(sx * W, sy * Hh, r * S, 0.28), fill=(255, 250, 220, 255))
    # tagline
    f2 = ImageFont.truetype(font_path("DejaVuSerif.ttf"), 34 * S)
    tag = "the forest of stars"
    bb2 = sd.textbbox((0, 0), tag, font=f2)
    sd.text(((W - (bb2[2] - bb2[0])) / 2, Hh * 0.8), tag, font=f2, fill=(225, 235, 255, 255),
            stroke_width=3 * S, stroke_fill=(16, 20, 60, 255))
    # glows fade out before the border so the quad's edges never show
    yy, xx = np.mgrid[0:Hh, 0:W]
    edge = np.minimum(np.minimum(xx, W - 1 - xx), np.minimum(yy, Hh - 1 - yy)) / (16.0 * S)
    fade = Image.fromarray((np.clip(edge, 0, 1) * 255).astype(np.uint8), "L")
    out.putalpha(ImageChops.multiply(out.getchannel("A"), fade))
    return downscale(out, (w, h))


# --- intro crawl -------------------------------------------------------------

STORY = [
    "HOSHIMORI",
    "",
    "Every winter night the stars came down to rest among the pines of Hoshimori, and their light kept the "
    "forest warm beneath the snow.",
    "",
    "This winter the great carp rose from the frozen lake. It swallowed the fallen stars one by one, and the "
    "forest grew dark and cold.",
    "",
    "Zivu, a young swordsman of the woodland village, took his grandfather's blade down from the wall.",
    "",
    "He followed the trail of broken ice to the old stones at the heart of the forest, where the carp swims "
    "through the air as if it were water.",
    "",
    "Tonight, under the last stars, Zivu will win back the light of Hoshimori and prove his worth.",
]


def wrap(draw, text, font, width):
    words, lines, cur = text.split(), [], ""
    for wd in words:
        t = (cur + " " + wd).strip()
        if draw.textlength(t, font=font) <= width:
            cur = t
        else:
            lines.append(cur)
            cur = wd
    if cur:
        lines.append(cur)
    return lines


def intro(w=540, h=1000):
    S = 2
    W, Hh = w * S, h * S
    out = Image.new("RGBA", (W, Hh), (0, 0, 0, 0))
    d = ImageDraw.Draw(out)
    margin = 30 * S
    for size in range(44, 20, -1):
        font = ImageFont.truetype(font_path("DejaVuSerif-Bold.ttf"), size * S)
        head = ImageFont.truetype(font_path("DejaVuSerif-Bold.ttf"), int(size * 1.6) * S)
        lh = int(size * 1.3) * S
        blocks = []
        total = 0
        for para in STORY:
            if para == "":
                blocks.append(("gap", None))
                total += lh // 2
            elif para.isupper():
                blocks.append(("head", para))
                total += int(lh * 1.6)
            else:
                ls = wrap(d, para, font, W - 2 * margin)
                blocks.append(("text", ls))
                total += lh * len(ls)
        if total <= Hh - 2 * margin:
            break
    y = (Hh - total) / 2
    for kind, val in blocks:
        if kind == "gap":
            y += lh // 2
        elif kind == "head":
            tw = d.textlength(val, font=head)
            d.text(((W - tw) / 2, y), val, font=head, fill=(255, 232, 150, 255), stroke_width=3 * S,
                   stroke_fill=(30, 20, 50, 255))
            y += int(lh * 1.6)
        else:
            for ln in val:
                tw = d.textlength(ln, font=font)
                d.text(((W - tw) / 2, y), ln, font=font, fill=(255, 240, 196, 255), stroke_width=2 * S,
                       stroke_fill=(30, 20, 50, 255))
                y += lh
    return downscale(out, (w, h))


# --- stage windows, health panel, effects ---------------------------------------

def window(highlight, size=256):
    """A frosted stone frame; the picture covers the inner 3/4 of it."""
    cv = Canvas(size, size, size / 4.0, (0, size))
    cv.ow = 0.04
    if highlight:
        g, gd = cv.layer()
        cv.poly([(0.05, 0.05), (3.95, 0.05), (3.95, 3.95), (0.05, 3.95)], (255, 220, 120, 255), draw=gd)
        g = g.filter(ImageFilter.GaussianBlur(cv.R(0.12)))
        cv.composite(g)
    frame = (232, 196, 110, 255) if highlight else (104, 118, 168, 255)
    inner = (170, 124, 50, 255) if highlight else (58, 66, 110, 255)
    cv.opoly([(0.14, 0.14), (3.86, 0.14), (3.86, 3.86), (0.14, 3.86)], frame)
    cv.poly([(0.34, 0.34), (3.66, 0.34), (3.66, 3.66), (0.34, 3.66)], inner)
    # night sky seen through the window
    cv.opoly([(0.46, 0.46), (3.54, 0.46), (3.54, 3.54), (0.46, 3.54)], (14, 18, 46, 255))
    rng = np.random.default_rng(5)
    for k in range(26):
        x, y = 0.6 + rng.random() * 2.8, 0.6 + rng.random() * 2.8
        cv.circle((x, y), 0.015 + 0.02 * rng.random(), (220, 230, 255, 255))
    # snow on the top edge and corner studs
    cv.poly([(0.1, 3.86), (3.9, 3.86), (3.8, 3.72), (3.2, 3.68), (2.6, 3.75), (1.9, 3.66), (1.2, 3.74),
             (0.5, 3.66), (0.2, 3.72)], (240, 246, 255, 255))
    for (x, y) in ((0.3, 0.3), (3.7, 0.3), (0.3, 3.7), (3.7, 3.7)):
        cv.ocircle((x, y), 0.1, (255, 236, 160, 255) if highlight else (200, 210, 240, 255))
    return cv.finish()


def hppp(size=128):
    """Health plate: the number is printed in black right of centre, so that area stays pale."""
    cv = Canvas(size, size, size / 20.0, (0, size))  # 20 units, like the panel's HUD size
    cv.ow = 0.3
    def rrect(x0, y0, x1, y1, r, fill, draw=None):
        cv.poly([(x0 + r, y0), (x1 - r, y0), (x1, y0 + r), (x1, y1 - r), (x1 - r, y1), (x0 + r, y1), (x0, y1 - r),
                 (x0, y0 + r)], fill, draw)
        for cx, cy in ((x0 + r, y0 + r), (x1 - r, y0 + r), (x0 + r, y1 - r), (x1 - r, y1 - r)):
            cv.circle((cx, cy), r, fill, draw)
    rrect(0.4, 0.4, 19.6, 19.6, 3.2, OUTLINE)
    rrect(0.9, 0.9, 19.1, 19.1, 2.8, (48, 64, 124, 255))
    rrect(1.6, 1.6, 18.4, 18.4, 2.2, (236, 190, 90, 255))
    rrect(2.2, 2.2, 17.8, 17.8, 1.8, (244, 248, 255, 255))
    # a soft blue wash at the bottom keeps the pale field readable but not flat
    g, gd = cv.layer()
    cv.poly([(2.2, 2.2), (17.8, 2.2), (17.8, 6), (2.2, 6)], (190, 210, 245, 160), draw=gd)
    cv.composite(g.filter(ImageFilter.GaussianBlur(cv.R(1.2))))
    # star emblem on the left, clear of the digits
    cv.poly(star_points_w(5.2, 11.2, 2.6, 0.45, 5), OUTLINE)
    cv.poly(star_points_w(5.2, 11.2, 2.1, 0.45, 5), (240, 180, 60, 255))
    # snow along the top rim
    cv.poly([(1.5, 18.9), (18.5, 18.9), (18, 17.9), (15, 18.2), (12, 17.7), (8, 18.2), (4, 17.8), (2, 18.1)],
            (255, 255, 255, 255))
    return cv.finish()


def star_points_w(cx, cy, r, inner, n):
    pts = []
    for k in range(2 * n):
        a = math.pi / 2 + k * math.pi / n
        rr = r if k % 2 == 0 else r * inner
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    return pts


def event_marker(size=64):
    cv = Canvas(size, size, size / 1.0, (size / 2, size / 2))
    cv.ow = 0.04
    g, gd = cv.layer()
    cv.circle((0, 0), 0.42, (255, 230, 120, 150), draw=gd)
    cv.composite(g.filter(ImageFilter.GaussianBlur(cv.R(0.05))))
    cv.circle((0, 0), 0.36, (40, 30, 80, 140))
    cv.poly(star_points_w(0, 0, 0.38, 0.42, 5), OUTLINE)
    cv.poly(star_points_w(0, 0, 0.31, 0.42, 5), (255, 214, 80, 255))
    cv.poly(star_points_w(0, 0.03, 0.14, 0.42, 5), (255, 246, 200, 255))
    return cv.finish()


def waterfall(w=128, h=512):
    """Falling water streaks, periodic vertically so it can scroll with GL_REPEAT."""
    rng = np.random.default_rng(3)
    n = wrap_noise(rng, h, w, 1.0)
    streak = wrap_noise(rng, h // 8, w, 1.2)
    streak = np.repeat(streak, 8, axis=0)
    streak = np.real(np.fft.ifft2(np.fft.fft2(streak) * np.exp(-2 * (math.pi * 3) ** 2 *
                                                               (np.fft.fftfreq(h)[:, None] ** 2))))
    s = (streak - streak.min()) / (np.ptp(streak) or 1)
    v = 0.55 * s + 0.45 * n
    x = np.linspace(-1, 1, w)[None, :]
    edge = np.clip((1 - np.abs(x)) / 0.25, 0, 1)
    col = np.zeros((h, w, 4), float)
    col[..., 0] = 120 + 135 * v
    col[..., 1] = 180 + 75 * v
    col[..., 2] = 235 + 20 * v
    col[..., 3] = (110 + 145 * v) * edge
    return Image.fromarray(np.clip(col, 0, 255).astype(np.uint8), "RGBA")


def main():
    save_png(ground_tile(), "Images/Attacking.png")
    save_png(backdrop(), "back.png")
    save_png(title(), "Images/Misc/Title.png")
    save_png(intro(), "Intro.png")
    save_png(window(False), "Images/Misc/Window.png")
    save_png(window(True), "Images/Misc/Window2.png")
    save_png(hppp(), "HPPP.png")
    save_png(soft_dot(64, 14.0), "Images/Misc/Particle.png")
    save_png(event_marker(), "Images/Misc/event.png")
    save_png(waterfall(), "images/attacks/waterfall.png")


if __name__ == "__main__":
    main()

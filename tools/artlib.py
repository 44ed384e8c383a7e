"""Small vector-drawing helpers shared by the image generators.

Everything is drawn at SS times the final size and box-filtered down, which
gives clean anti-aliased edges without any external renderer.
"""
import math
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

SS = 4
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
DATA = os.path.join(ROOT, "Game Data")

OUTLINE = (18, 14, 38, 255)

FONT_DIRS = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation2"]


def font_path(name):
    for d in FONT_DIRS:
        p = os.path.join(d, name)
        if os.path.exists(p):
            return p
    raise FileNotFoundError(name + " (install fonts-dejavu-core / fonts-liberation2)")


def out_path(rel):
    p = os.path.join(DATA, rel)
    os.makedirs(os.path.dirname(p), exist_ok=True)
    return p


def save_png(img, rel):
    """Save as RGBA; PIL writes no timestamps, so reruns are byte-identical."""
    img = img.convert("RGBA")
    img.save(out_path(rel), "PNG", optimize=True)


def downscale(img, size):
    """Premultiplied box filter so transparent edges do not go dark or bright."""
    return img.convert("RGBa").resize(size, Image.BOX).convert("RGBA")


def dirv(a):
    """Unit vector for an angle in degrees measured from straight down, positive forward (+x)."""
    r = math.radians(a)
    return (math.sin(r), -math.cos(r))


def add(p, v, s=1.0):
    return (p[0] + v[0] * s, p[1] + v[1] * s)


def lerp(a, b, t):
    return a + (b - a) * t


def shade(c, f):
    """Darken (f<1) or lighten (f>1) an RGBA colour."""
    if f <= 1:
        return tuple(int(v * f) for v in c[:3]) + (c[3] if len(c) > 3 else 255,)
    g = f - 1
    return tuple(int(v + (255 - v) * g) for v in c[:3]) + (c[3] if len(c) > 3 else 255,)


class Canvas:
    """A supersampled RGBA drawing surface in world units (y up).

    width/height are final pixel sizes, ppu final pixels per unit and origin the
    final pixel position of world (0, 0).
    """

    def __init__(self, width, height, ppu, origin, mirror=False):
        self.w, self.h = width, height
        self.ppu = ppu * SS
        self.ox, self.oy = origin[0] * SS, origin[1] * SS
        self.mirror = mirror
        self.img = Image.new("RGBA", (width * SS, height * SS), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.img)
        self.ow = 0.035  # outline width in units

    # coordinate mapping -------------------------------------------------
    def P(self, p):
        x = -p[0] if self.mirror else p[0]
        return (self.ox + x * self.ppu, self.oy - p[1] * self.ppu)

    def R(self, r):
        return r * self.ppu

    # primitives ----------------------------------------------------------
    def circle(self, c, r, fill, draw=None):
        d = draw or self.d
        x, y = self.P(c)
        rr = self.R(r)
        d.ellipse([x - rr, y - rr, x + rr, y + rr], fill=fill)

    def ellipse(self, c, rx, ry, fill, draw=None):
        d = draw or self.d
        x, y = self.P(c)
        d.ellipse([x - self.R(rx), y - self.R(ry), x + self.R(rx), y + self.R(ry)], fill=fill)

    def poly(self, pts, fill, draw=None):
        d = draw or self.d
        d.polygon([self.P(p) for p in pts], fill=fill)

    def capsule(self, a, b, ra, rb, fill, draw=None):
        """A limb: two circles joined by their tangent quad."""
        dx, dy = b[0] - a[0], b[1] - a[1]
        L = math.hypot(dx, dy) or 1e-6
        nx, ny = -dy / L, dx / L
        pts = [(a[0] + nx * ra, a[1] + ny * ra), (b[0] + nx * rb, b[1] + ny * rb),
               (b[0] - nx * rb, b[1] - ny * rb), (a[0] - nx * ra, a[1] - ny * ra)]
        self.poly(pts, fill, draw)
        self.circle(a, ra, fill, draw)
        self.circle(b, rb, fill, draw)

    # outlined versions: outline first, then the fill, so every part keeps
    # its own contour where it overlaps an earlier one
    def ocapsule(self, a, b, ra, rb, fill, outline=OUTLINE):
        o = self.ow
        self.capsule(a, b, ra + o, rb + o, outline)
        self.capsule(a, b, ra, rb, fill)

    def ocircle(self, c, r, fill, outline=OUTLINE):
        self.circle(c, r + self.ow, outline)
        self.circle(c, r, fill)

    def opoly(self, pts, fill, outline=OUTLINE):
        o = self.ow
        for i in range(len(pts)):
            self.capsule(pts[i], pts[(i + 1) % len(pts)], o, o, outline)
        self.poly(pts, fill)

    def stroke(self, pts, r, fill, draw=None):
        for i in range(len(pts) - 1):
            self.capsule(pts[i], pts[i + 1], r, r, fill, draw)

    def layer(self):
        """A transparent layer of the same size with its own drawer."""
        im = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        return im, ImageDraw.Draw(im)

    def composite(self, im):
        self.img.alpha_composite(im)

    def finish(self):
        return downscale(self.img, (self.w, self.h))


def soft_dot(size, sigma, color=(255, 255, 255)):
    """RGBA image of a round spot whose alpha falls off like a gaussian."""
    y, x = np.mgrid[0:size, 0:size].astype(np.float64)
    c = (size - 1) / 2.0
    r2 = ((x - c) ** 2 + (y - c) ** 2) / (sigma * sigma)
    a = np.exp(-r2)
    # fade the tail to exactly zero at the edge so the quad has no visible border
    r = np.sqrt((x - c) ** 2 + (y - c) ** 2) / (size / 2.0)
    a *= np.clip((1.0 - r) / 0.25, 0, 1)
    arr = np.zeros((size, size, 4), np.uint8)
    arr[..., 0], arr[..., 1], arr[..., 2] = color
    arr[..., 3] = np.clip(a * 255 + 0.5, 0, 255).astype(np.uint8)
    return Image.fromarray(arr, "RGBA")


def glow(img, radius, color, strength=1.0):
    """An outer glow: the alpha of img blurred and tinted, to go under it."""
    a = img.getchannel("A").filter(ImageFilter.GaussianBlur(radius))
    if strength != 1.0:
        a = a.point(lambda v: min(255, int(v * strength)))
    g = Image.new("RGBA", img.size, color + (0,))
    g.putalpha(a)
    return g

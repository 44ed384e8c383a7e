#!/usr/bin/python3
"""Draws the boss, a great star carp, in its four poses (2 x 3 units, 64 px each).

Side views are built along a curved spine: a width profile gives the body
outline, fins hang off the spine's normals and scales are stamped from tail to
head so that they overlap the way real scales do.
"""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from artlib import Canvas, OUTLINE, add, lerp, save_png, shade

PPU = 64
W, H = 128, 192

BACK = (150, 30, 40, 255)
FLANK = (232, 120, 44, 255)
GOLD = (250, 196, 80, 255)
BELLY = (250, 232, 200, 255)
FIN = (200, 60, 60, 200)
FIN_RAY = (255, 170, 120, 230)
STAR = (150, 230, 255, 255)
EYE_GOLD = (255, 214, 90, 255)


def bezier(pts, n):
    """Points along a Catmull-Rom curve through pts."""
    out = []
    P = [pts[0]] + pts + [pts[-1]]
    segs = len(pts) - 1
    for i in range(n + 1):
        u = i / n * segs
        k = min(int(u), segs - 1)
        t = u - k
        p0, p1, p2, p3 = P[k], P[k + 1], P[k + 2], P[k + 3]
        t2, t3 = t * t, t * t * t
        out.append(tuple(0.5 * ((2 * p1[c]) + (-p0[c] + p2[c]) * t + (2 * p0[c] - 5 * p1[c] + 4 * p2[c] - p3[c]) * t2 +
                                (-p0[c] + 3 * p1[c] - 3 * p2[c] + p3[c]) * t3) for c in range(2)))
    return out


def width(t):
    prof = [(0.0, 0.1), (0.06, 0.2), (0.16, 0.3), (0.3, 0.34), (0.5, 0.3), (0.72, 0.19), (0.9, 0.1), (1.0, 0.08)]
    for (a, wa), (b, wb) in zip(prof, prof[1:]):
        if a <= t <= b:
            return lerp(wa, wb, (t - a) / (b - a))
    return 0.08


def frame_at(sp, t):
    n = len(sp) - 1
    i = min(int(t * n), n - 1)
    f = t * n - i
    p = (lerp(sp[i][0], sp[i + 1][0], f), lerp(sp[i][1], sp[i + 1][1], f))
    dx, dy = sp[i + 1][0] - sp[i][0], sp[i + 1][1] - sp[i][1]
    L = math.hypot(dx, dy) or 1e-6
    d = (dx / L, dy / L)
    nrm = (-d[1], d[0])  # dorsal side for a fish facing left
    return p, d, nrm


def fin_poly(base0, base1, tip_dir, length, wave=0.0):
    mid = ((base0[0] + base1[0]) / 2, (base0[1] + base1[1]) / 2)
    tip = add(mid, tip_dir, length)
    side = (-tip_dir[1], tip_dir[0])
    return [base0, add(add(mid, tip_dir, length * 0.6), side, 0.08 + wave), tip, base1]


def side_carp(cv, spine_ctrl, tail_swing, fin_phase):
    sp = bezier(spine_ctrl, 60)
    ss = cv.img.size
    # fins behind the body ------------------------------------------------
    p, d, n = frame_at(sp, 0.58)
    fins = cv.layer()
    # dorsal fin along the back
    dors = []
    for i in range(9):
        t = lerp(0.28, 0.72, i / 8)
        q, dd, nn = frame_at(sp, t)
        h = 0.05 + 0.26 * math.sin(math.pi * i / 8) ** 0.7 * (1.0 - 0.4 * i / 8)
        dors.append((add(q, nn, width(t) * 0.8), add(q, nn, width(t) + h)))
    dpoly = [a for a, b in dors] + [b for a, b in reversed(dors)]
    cv.opoly(dpoly, BACK)
    for a, b in dors[1:-1]:
        cv.stroke([a, b], 0.012, FIN_RAY)
    # tail fin: two lobes that swing with the stroke
    q, dd, nn = frame_at(sp, 1.0)
    swing = (dd[0] * math.cos(tail_swing) - dd[1] * math.sin(tail_swing),
             dd[0] * math.sin(tail_swing) + dd[1] * math.cos(tail_swing))
    side = (-swing[1], swing[0])
    root = add(q, dd, -0.03)
    lobe = [add(root, side, 0.1), add(add(root, swing, 0.3), side, 0.32), add(add(root, swing, 0.46), side, 0.4),
            add(add(root, swing, 0.42), side, 0.12), add(root, swing, 0.28),
            add(add(root, swing, 0.42), side, -0.12), add(add(root, swing, 0.46), side, -0.4),
            add(add(root, swing, 0.3), side, -0.32), add(root, side, -0.1)]
    cv.opoly(lobe, FIN[:3] + (255,))
    for s in (-1, 1):
        for k in range(4):
            cv.stroke([root, add(add(root, swing, 0.5 - 0.05 * k), side, s * (0.1 + 0.1 * k))], 0.012, FIN_RAY)
    # belly fins
    for t, ln, ang in ((0.58, 0.26, 0.9), (0.76, 0.2, 1.1)):
        q, dd, nn = frame_at(sp, t)
        b0 = add(q, nn, -width(t) * 0.85)
        b1 = add(add(q, dd, 0.12), nn, -width(t) * 0.85)
        tipd = (dd[0] * math.cos(-ang) - dd[1] * math.sin(-ang), dd[0] * math.sin(-ang) + dd[1] * math.cos(-ang))
        cv.opoly(fin_poly(b0, b1, tipd, ln, 0.02 * math.sin(fin_phase)), shade(FIN, 1.1)[:3] + (255,))
    # body ------------------------------------------------------------------
    left = [add(q, nn, width(i / 60)) for i, (q, nn) in enumerate((frame_at(sp, i / 60)[0], frame_at(sp, i / 60)[2]) for i in range(61))]
    right = [add(q, nn, -width(i / 60)) for i, (q, nn) in enumerate((frame_at(sp, i / 60)[0], frame_at(sp, i / 60)[2]) for i in range(61))]
    head = add(sp[0], frame_at(sp, 0.0)[1], -0.06)
    body = [head] + left + list(reversed(right))
    cv.opoly(body, BELLY)
    mask = Image.new("L", ss, 0)
    ImageDraw.Draw(mask).polygon([cv.P(p) for p in body], fill=255)
    col, cd = cv.layer()
    # colour bands: dark back, warm flank, pale belly
    flank = [head] + left + list(reversed([add(q, nn, -width(i / 60) * 0.35) for i, (q, nn) in
                                           enumerate((frame_at(sp, i / 60)[0], frame_at(sp, i / 60)[2]) for i in range(61))]))
    cv.poly(flank, FLANK, draw=cd)
    back = [head] + left + list(reversed([add(q, nn, width(i / 60) * 0.45) for i, (q, nn) in
                                          enumerate((frame_at(sp, i / 60)[0], frame_at(sp, i / 60)[2]) for i in range(61))]))
    cv.poly(back, BACK, draw=cd)
    col = col.filter(ImageFilter.GaussianBlur(cv.R(0.05)))
    # scales, stamped from tail to head
    sc, sd = cv.layer()
    for i in range(26, 2, -1):
        t = 0.13 + i * 0.032
        q, dd, nn = frame_at(sp, t)
        wd = width(t)
        rows = 5
        for r in range(rows):
            off = (r + 0.5 * (i % 2)) / rows * 2 - 1
            c = add(q, nn, off * wd * 0.95)
            rr = 0.07
            cv.circle(add(c, dd, 0.015), rr, (90, 20, 30, 90), draw=sd)
            cv.circle(c, rr * 0.86, (0, 0, 0, 0), draw=sd)
            cv.circle(add(c, dd, -0.02), rr * 0.5, (255, 240, 180, 50), draw=sd)
    col.alpha_composite(sc)
    col.putalpha(ImageChops.multiply(col.getchannel("A"), mask))
    cv.composite(col)
    # star spots along the back, the carp's magic
    glow, gd = cv.layer()
    for t, o in ((0.3, 0.55), (0.42, 0.35), (0.52, 0.62), (0.64, 0.4), (0.74, 0.5)):
        q, dd, nn = frame_at(sp, t)
        c = add(q, nn, width(t) * o)
        cv.circle(c, 0.06, STAR[:3] + (200,), draw=gd)
    glow = glow.filter(ImageFilter.GaussianBlur(cv.R(0.04)))
    cv.composite(glow)
    for t, o in ((0.3, 0.55), (0.42, 0.35), (0.52, 0.62), (0.64, 0.4), (0.74, 0.5)):
        q, dd, nn = frame_at(sp, t)
        c = add(q, nn, width(t) * o)
        star(cv, c, 0.045, (235, 250, 255, 255))
    # gill cover
    q, dd, nn = frame_at(sp, 0.2)
    gill = [add(add(q, nn, width(0.2) * k), dd, 0.05 * (1 - k * k)) for k in [x / 5 - 1 for x in range(11)]]
    cv.stroke(gill, 0.018, shade(BACK, 0.7))
    # pectoral fin over the body
    q, dd, nn = frame_at(sp, 0.25)
    b0 = add(q, nn, -width(0.25) * 0.45)
    b1 = add(add(q, dd, 0.1), nn, -width(0.25) * 0.5)
    tipd = (dd[0] * math.cos(-0.6) - dd[1] * math.sin(-0.6), dd[0] * math.sin(-0.6) + dd[1] * math.cos(-0.6))
    pf = cv.layer()
    cv.opoly(fin_poly(b0, b1, tipd, 0.34, 0.04 * math.sin(fin_phase)), (236, 110, 90, 255))
    # eye, mouth and barbels
    q, dd, nn = frame_at(sp, 0.1)
    eye = add(q, nn, 0.06)
    cv.ocircle(eye, 0.075, EYE_GOLD)
    cv.circle(eye, 0.045, (20, 10, 30, 255))
    cv.circle(add(eye, (-0.02, 0.02)), 0.016, (255, 255, 255, 255))
    mouth = add(sp[0], dd, -0.02)
    cv.ocircle(mouth, 0.06, (226, 140, 120, 255))
    cv.circle(add(mouth, dd, -0.02), 0.03, (90, 20, 30, 255))
    for s, ln in ((-1, 0.42), (1, 0.3)):
        pts = []
        for k in range(7):
            u = k / 6
            pts.append(add(add(mouth, dd, 0.05 + 0.25 * u), nn, s * (-0.05 - ln * u * 0.9) - 0.1 * u * u))
        cv.stroke(pts, 0.014, OUTLINE)
        cv.stroke(pts, 0.008, GOLD)


def star(cv, c, r, fill, draw=None):
    pts = []
    for k in range(8):
        a = math.pi / 2 + k * math.pi / 4
        rr = r if k % 2 == 0 else r * 0.35
        pts.append((c[0] + math.cos(a) * rr, c[1] + math.sin(a) * rr))
    cv.poly(pts, fill, draw)


def carp_side(spine, tail_swing, fin_phase):
    cv = Canvas(W, H, PPU, (W / 2, H / 2))
    cv.ow = 0.03
    side_carp(cv, spine, tail_swing, fin_phase)
    return cv.finish()


def carp_front():
    """Facing the viewer, mouth open: the casting pose and the stage-window portrait."""
    cv = Canvas(W, H, PPU, (W / 2, H / 2))
    cv.ow = 0.03
    # tail fin rising behind the body
    tail = [(0, 0.6), (-0.48, 1.28), (-0.3, 1.36), (0, 1.08), (0.3, 1.36), (0.48, 1.28)]
    cv.opoly(tail, FIN[:3] + (255,))
    for x in (-0.35, -0.18, 0.18, 0.35):
        cv.stroke([(0, 0.75), (x, 1.32)], 0.012, FIN_RAY)
    # dorsal crest
    cv.opoly([(-0.18, 0.75), (0, 1.12), (0.18, 0.75)], BACK)
    # pectoral fins spread wide
    for s in (-1, 1):
        cv.opoly([(s * 0.55, -0.2), (s * 0.9, -0.52), (s * 0.86, -0.88), (s * 0.58, -0.6)], (236, 110, 90, 255))
        for k in range(3):
            cv.stroke([(s * 0.58, -0.3), (s * (0.86 - 0.02 * k), -0.58 - 0.11 * k)], 0.012, FIN_RAY)
    # body seen head-on
    cv.ocircle((0, 0.05), 0.0, BELLY)
    cv.ellipse((0, 0.05), 0.72 + cv.ow, 0.92 + cv.ow, OUTLINE)
    cv.ellipse((0, 0.05), 0.72, 0.92, FLANK)
    cv.ellipse((0, 0.3), 0.6, 0.6, BACK)
    cv.ellipse((0, -0.2), 0.5, 0.62, BELLY)
    cv.img = cv.img.filter(ImageFilter.GaussianBlur(1.5))
    cv.d = ImageDraw.Draw(cv.img)
    # scale arcs over the crown
    for row in range(4):
        for k in range(-3, 4):
            x = k * 0.16 + (0.08 if row % 2 else 0)
            y = 0.75 - row * 0.13
            if x * x / 0.36 + (y - 0.3) ** 2 / 0.36 < 1:
                cv.circle((x, y), 0.07, (90, 20, 30, 90))
                cv.circle((x, y + 0.02), 0.06, shade(BACK, 1.08))
    # stars on the crown
    for c in ((-0.3, 0.55), (0.28, 0.6), (0, 0.82)):
        star(cv, c, 0.06, (235, 250, 255, 255))
    # eyes on either side of the head
    for s in (-1, 1):
        e = (s * 0.42, 0.2)
        cv.ocircle(e, 0.12, EYE_GOLD)
        cv.circle(e, 0.07, (20, 10, 30, 255))
        cv.circle((e[0] - 0.03, e[1] + 0.04), 0.025, (255, 255, 255, 255))
    # round open mouth with lips
    cv.ellipse((0, -0.42), 0.26 + cv.ow, 0.22 + cv.ow, OUTLINE)
    cv.ellipse((0, -0.42), 0.26, 0.22, (230, 140, 120, 255))
    cv.ellipse((0, -0.42), 0.17, 0.14, (70, 10, 30, 255))
    cv.ellipse((0, -0.47), 0.1, 0.06, (150, 40, 60, 255))
    # barbels curling down
    for s in (-1, 1):
        pts = [(s * (0.22 + 0.35 * u), -0.35 - 0.55 * u * u) for u in [k / 8 for k in range(9)]]
        cv.stroke(pts, 0.018, OUTLINE)
        cv.stroke(pts, 0.01, GOLD)
    # a glint of spell light in front of the mouth
    g, gd = cv.layer()
    cv.circle((0, -0.42), 0.1, (180, 240, 255, 180), draw=gd)
    cv.composite(g.filter(ImageFilter.GaussianBlur(cv.R(0.06))))
    return cv.finish()


def main():
    # head up and to the left, the body arching into the tail
    s1 = [(-0.72, 1.08), (-0.36, 0.72), (0.02, 0.18), (0.18, -0.38), (0.1, -0.78)]
    s2 = [(-0.72, 1.08), (-0.34, 0.72), (0.06, 0.2), (0.26, -0.34), (0.3, -0.78)]
    save_png(carp_side(s1, 0.55, 0.0), "boss/Carp_left.png")
    save_png(carp_side(s2, -0.45, 2.0), "boss/Carp_left_2.png")
    up = [(-0.05, 1.3), (0.0, 0.8), (0.06, 0.2), (0.02, -0.35), (-0.08, -0.82)]
    save_png(carp_side(up, 0.3, 1.0), "boss/Carp_up.png")
    save_png(carp_front(), "boss/Carp_down.png")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Draws every animation frame of Zivu, the hero, facing right.

The hero is a little skeleton (hip, knees, shoulders, elbows, sword) posed per
frame and skinned with outlined capsules and polygons. Frames are 40 px per
world unit: narrow frames 80x128 (2 x 3.2 units), wide frames 200x128
(5 x 3.2 units). The game shifts wide quads 0.2 units forward when facing right
and not at all when facing left, so the body sits 0.1 units behind the centre of
a wide frame: the jump between narrow and wide frames is then only 0.1 units,
the same in both directions. Feet of grounded poses touch the bottom edge.
"""
import math

from PIL import ImageFilter

from artlib import (Canvas, OUTLINE, add, dirv, lerp, save_png, shade)

PPU = 40
H = 128
NARROW, WIDE = 80, 200
WIDE_BODY_X = -0.1  # units from the wide image centre

# palette: a winter traveller against a night forest
SKIN = (244, 204, 170, 255)
SKIN_SH = (214, 164, 132, 255)
HAIR = (44, 36, 78, 255)
HAIR_HI = (86, 78, 140, 255)
COAT = (52, 104, 168, 255)
COAT_SH = (34, 70, 124, 255)
COAT_HI = (92, 146, 206, 255)
FUR = (236, 242, 252, 255)
FUR_SH = (186, 198, 224, 255)
PANTS = (58, 54, 80, 255)
PANTS_B = (40, 37, 58, 255)
BOOT = (112, 70, 44, 255)
BOOT_B = (82, 50, 32, 255)
GLOVE = (120, 78, 48, 255)
GLOVE_B = (90, 56, 36, 255)
BELT = (92, 56, 34, 255)
GOLD = (236, 184, 72, 255)
SCARF = (214, 48, 64, 255)
SCARF_SH = (160, 28, 48, 255)
BLADE = (226, 236, 250, 255)
BLADE_EDGE = (255, 255, 255, 255)
BLADE_SH = (150, 170, 204, 255)
GRIP = (60, 40, 56, 255)
EYE = (30, 24, 50, 255)

# skeleton lengths in units
THIGH, SHIN, ANKLE_H = 0.52, 0.52, 0.12
TORSO = 0.84
UPPER, FORE = 0.42, 0.40
HEAD_R = 0.34
NECK_TO_HEAD = 0.36
SWORD_LEN = 1.25

BASE = dict(lean=6, head=0, thighF=14, shinF=0, thighB=-10, shinB=-16, footF=0, footB=0,
            armF=28, foreF=72, armB=-12, foreB=14, sword=108, scarf=-35, wave=0.0,
            ground=True, hipy=None, eye="open", trail=None, puffs=(), mouth=False)


def pose(**kw):
    p = dict(BASE)
    p.update(kw)
    return p


def blend(a, b, t):
    """Interpolate two poses (numbers only; flags come from b when t>=0.5)."""
    out = {}
    for k in a:
        if isinstance(a[k], (int, float)) and isinstance(b[k], (int, float)) and not isinstance(a[k], bool):
            out[k] = lerp(a[k], b[k], t)
        else:
            out[k] = b[k] if t >= 0.5 else a[k]
    return out


def skeleton(p, hip):
    """Forward kinematics: joint positions for a pose with the hip at `hip`."""
    j = {"hip": hip}
    up = (math.sin(math.radians(p["lean"])), math.cos(math.radians(p["lean"])))
    j["up"] = up
    j["perp"] = (up[1], -up[0])  # points forward
    j["neck"] = add(hip, up, TORSO)
    j["shoulder"] = add(add(j["neck"], up, -0.14), j["perp"], 0.02)
    hd = (math.sin(math.radians(p["lean"] + p["head"])), math.cos(math.radians(p["lean"] + p["head"])))
    j["hdir"] = hd
    j["head"] = add(j["neck"], hd, NECK_TO_HEAD)
    for s in "FB":
        hp = add(hip, j["perp"], 0.04 if s == "F" else -0.04)
        knee = add(hp, dirv(p["thigh" + s]), THIGH)
        ankle = add(knee, dirv(p["shin" + s]), SHIN)
        j["hip" + s], j["knee" + s], j["ankle" + s] = hp, knee, ankle
        fa = math.radians(p["foot" + s])
        fdir = (math.cos(fa), -math.sin(fa))
        j["fdir" + s] = fdir
        j["toe" + s] = add(ankle, fdir, 0.24)
        j["heel" + s] = add(ankle, fdir, -0.09)
        elbow = add(j["shoulder"], dirv(p["arm" + s]), UPPER)
        hand = add(elbow, dirv(p["fore" + s]), FORE)
        j["elbow" + s], j["hand" + s] = elbow, hand
    return j


def lowest(j):
    ys = []
    for s in "FB":
        ys += [j["ankle" + s][1] - ANKLE_H, j["toe" + s][1] - 0.05, j["heel" + s][1] - ANKLE_H + 0.02,
               j["knee" + s][1] - 0.1, j["hand" + s][1] - 0.08]
    ys += [j["hip"][1] - 0.22, j["neck"][1] - 0.2, j["head"][1] - HEAD_R]
    return min(ys)


def place(p):
    """Hip position: grounded poses rest their lowest point on y = 0."""
    hip0 = (0.0, 0.0)
    j = skeleton(p, hip0)
    if p["ground"]:
        hy = -lowest(j)
    else:
        hy = p["hipy"] if p["hipy"] is not None else 1.18
    return skeleton(p, (0.0, hy))


# --- body parts ----------------------------------------------------------

def draw_leg(cv, j, s, back):
    pants = PANTS_B if back else PANTS
    boot = BOOT_B if back else BOOT
    cv.ocapsule(j["hip" + s], j["knee" + s], 0.13, 0.10, pants)
    cv.ocapsule(j["knee" + s], j["ankle" + s], 0.10, 0.085, pants)
    # boot: shaft plus a sole from heel to toe
    a, fd = j["ankle" + s], j["fdir" + s]
    nrm = (-fd[1], fd[0])  # up from the sole
    heel, toe = j["heel" + s], j["toe" + s]
    sole_h = add(heel, nrm, -ANKLE_H + 0.02)
    sole_t = add(toe, nrm, -ANKLE_H + 0.04)
    top_t = add(add(toe, nrm, -0.02), fd, -0.04)
    shin_up = add(a, dirv(j["shin_ang" + s] + 180), 0.22)
    shaft_b = add(shin_up, nrm, 0)
    cv.opoly([add(shaft_b, fd, -0.1), add(shaft_b, fd, 0.09), top_t, sole_t, sole_h,
              add(heel, nrm, 0.06)], boot)
    # fur cuff
    cv.ocapsule(add(shaft_b, fd, -0.11), add(shaft_b, fd, 0.1), 0.05, 0.05, FUR_SH if back else FUR)


def draw_arm(cv, j, s, back, sleeve_only=False):
    coat = COAT_SH if back else COAT
    glove = GLOVE_B if back else GLOVE
    cv.ocapsule(j["shoulder"], j["elbow" + s], 0.1, 0.085, coat)
    cv.ocapsule(j["elbow" + s], j["hand" + s], 0.085, 0.075, coat)
    # fur cuff and glove
    cuff = add(j["hand" + s], dirv(j["fore_ang" + s] + 180), 0.09)
    cv.ocircle(cuff, 0.075, FUR_SH if back else FUR)
    cv.ocircle(j["hand" + s], 0.08, glove)


def draw_coat(cv, j, p):
    hip, up, perp = j["hip"], j["up"], j["perp"]
    neck = j["neck"]
    waist = add(hip, up, 0.3)
    sb = add(add(neck, up, -0.08), perp, -0.2)
    sf = add(add(neck, up, -0.08), perp, 0.17)
    wb = add(waist, perp, -0.2)
    wf = add(waist, perp, 0.18)
    # skirt follows the thighs so it opens when the legs spread
    tf, tb = j["kneeF"], j["kneeB"]
    if tf[0] < tb[0]:
        tf, tb = tb, tf
    hem_f = add(add(hip, ((tf[0] - hip[0]) * 0.75, (tf[1] - hip[1]) * 0.75)), (0.2, 0))
    hem_b = add(add(hip, ((tb[0] - hip[0]) * 0.75, (tb[1] - hip[1]) * 0.75)), (-0.22, 0))
    hem_m = ((hem_f[0] + hem_b[0]) / 2, min(hem_f[1], hem_b[1]) - 0.04)
    cv.opoly([sb, sf, wf, hem_f, hem_m, hem_b, wb], COAT)
    # shading on the back half and a light seam in front
    cv.poly([sb, add(neck, up, -0.08), add(waist, perp, -0.02), add(hem_m, (-0.05, 0)), hem_b, wb], COAT_SH)
    cv.stroke([add(add(neck, up, -0.14), perp, 0.1), add(waist, perp, 0.12)], 0.025, COAT_HI)
    # fur hem
    cv.stroke([hem_b, hem_m, hem_f], 0.055, FUR)
    # belt with buckle
    cv.ocapsule(add(wb, up, -0.02), add(wf, up, -0.02), 0.055, 0.055, BELT)
    cv.ocircle(add(add(waist, up, -0.02), perp, 0.1), 0.05, GOLD)


def draw_head(cv, j, p):
    c, hd = j["head"], j["hdir"]
    hperp = (hd[1], -hd[0])
    # hair mass behind and a spiky tuft
    back = add(add(c, hperp, -0.06), hd, 0.05)
    spikes = []
    for k, (ang, ln) in enumerate([(150, 0.5), (120, 0.56), (95, 0.55), (70, 0.5), (45, 0.44)]):
        a = math.radians(ang)
        v = (hperp[0] * math.cos(a) + hd[0] * math.sin(a), hperp[1] * math.cos(a) + hd[1] * math.sin(a))
        spikes.append(add(back, v, ln))
    # ponytail streams like the scarf
    tail_dir = dirv(p["scarf"] + 15)
    pt = add(add(c, hperp, -0.3), hd, 0.05)
    cv.ocapsule(pt, add(pt, tail_dir, 0.24), 0.09, 0.05, HAIR)
    cv.ocircle(back, HEAD_R + 0.05, HAIR)
    cv.opoly([add(back, hperp, -0.3)] + spikes[:1] + [add(back, hd, 0.3)] + spikes[1:4] +
             [add(add(c, hperp, 0.28), hd, 0.12)], HAIR)
    # face
    face = add(c, hperp, 0.05)
    cv.ocircle(face, HEAD_R - 0.03, SKIN)
    cv.circle(add(add(face, hperp, -0.12), hd, -0.1), 0.16, SKIN_SH)
    cv.circle(add(face, hperp, 0.03), 0.26, SKIN)
    # nose bump
    cv.circle(add(add(face, hperp, 0.29), hd, -0.02), 0.045, SKIN)
    # fringe over the brow
    fr = add(face, hd, 0.18)
    cv.poly([add(fr, hperp, -0.3), add(add(fr, hperp, 0.33), hd, -0.08), add(add(fr, hperp, 0.12), hd, 0.02),
             add(add(fr, hperp, 0.18), hd, -0.12), add(add(fr, hperp, -0.02), hd, 0.0),
             add(add(fr, hperp, -0.1), hd, 0.18)], HAIR)
    cv.stroke([add(add(fr, hperp, -0.2), hd, 0.1), add(add(fr, hperp, 0.1), hd, 0.1)], 0.02, HAIR_HI)
    eye = add(add(face, hperp, 0.17), hd, -0.02)
    if p["eye"] == "shut":
        cv.stroke([add(add(eye, hperp, -0.05), hd, 0.02), add(eye, hperp, 0.04),
                   add(add(eye, hperp, -0.05), hd, -0.03)], 0.018, EYE)
    else:
        cv.ellipse(eye, 0.035, 0.06, EYE)
        cv.circle(add(add(eye, hperp, 0.01), hd, 0.025), 0.014, (255, 255, 255, 255))
    # brow and cheek
    cv.stroke([add(add(eye, hperp, -0.05), hd, 0.1), add(add(eye, hperp, 0.06), hd, 0.085)], 0.016, HAIR)
    cv.circle(add(add(face, hperp, 0.12), hd, -0.14), 0.045, (240, 150, 150, 255))
    if p["mouth"]:
        cv.circle(add(add(face, hperp, 0.2), hd, -0.18), 0.03, EYE)


def draw_scarf_tails(cv, j, p):
    base = add(add(j["neck"], j["perp"], -0.16), j["up"], 0.02)
    for k, (ln, ph, off) in enumerate([(0.78, 0.0, 0.0), (0.62, 1.7, -8)]):
        d = dirv(p["scarf"] + off)
        n = (-d[1], d[0])
        pts = []
        for i in range(7):
            t = i / 6
            w = math.sin(t * 5.0 + p["wave"] * 2 * math.pi + ph) * 0.06 * t
            pts.append(add(add(base, d, ln * t), n, w))
        col = SCARF_SH if k == 1 else SCARF
        o = cv.ow
        for i in range(6):
            r0 = 0.085 - 0.03 * i / 6
            r1 = 0.085 - 0.03 * (i + 1) / 6
            cv.capsule(pts[i], pts[i + 1], r0 + o, r1 + o, OUTLINE)
        for i in range(6):
            r0 = 0.085 - 0.03 * i / 6
            r1 = 0.085 - 0.03 * (i + 1) / 6
            cv.capsule(pts[i], pts[i + 1], r0, r1, col)
        # fringed end
        cv.stroke([pts[-1], add(pts[-1], d, 0.07)], 0.03, FUR_SH)


def draw_scarf_wrap(cv, j):
    n, up, perp = j["neck"], j["up"], j["perp"]
    a = add(add(n, up, -0.03), perp, -0.19)
    b = add(add(n, up, -0.06), perp, 0.16)
    cv.ocapsule(a, b, 0.11, 0.1, SCARF)
    cv.stroke([add(a, up, -0.03), add(b, up, -0.05)], 0.025, SCARF_SH)


def draw_sword(cv, j, p):
    h = j["handF"]
    d = dirv(p["sword"])
    n = (-d[1], d[0])
    base = add(h, d, 0.1)
    tip = add(h, d, SWORD_LEN)
    w = 0.065
    # faint blue glow around the blade
    lay, ld = cv.layer()
    cv.capsule(base, tip, 0.09, 0.05, (150, 200, 255, 120), draw=ld)
    lay = lay.filter(ImageFilter.GaussianBlur(cv.R(0.07)))
    cv.composite(lay)
    blade = [add(base, n, w), add(add(tip, d, -0.16), n, w), tip, add(add(tip, d, -0.16), n, -w), add(base, n, -w)]
    cv.opoly(blade, BLADE)
    cv.poly([add(base, n, -w * 0.1), add(add(tip, d, -0.16), n, -w * 0.1), tip, add(add(tip, d, -0.16), n, -w),
             add(base, n, -w)], BLADE_SH)
    cv.stroke([add(base, n, w * 0.55), add(add(tip, d, -0.2), n, w * 0.55)], 0.01, BLADE_EDGE)
    # grip, guard and pommel
    cv.ocapsule(add(h, d, -0.13), add(h, d, 0.06), 0.04, 0.04, GRIP)
    cv.ocapsule(add(base, n, 0.14), add(base, n, -0.14), 0.035, 0.035, GOLD)
    cv.ocircle(add(h, d, -0.15), 0.045, GOLD)


def draw_trail(cv, j, p):
    """A crescent of light along the sword tip's path, brightest at the sword."""
    a0, a1 = p["trail"]
    c = j["shoulder"]
    hd = j["handF"]
    r_out = math.hypot(hd[0] - c[0], hd[1] - c[1]) + SWORD_LEN
    r_in = r_out - 0.95
    lay, ld = cv.layer()
    steps = 24
    for i in range(steps):
        t0, t1 = i / steps, (i + 1) / steps
        b0, b1 = lerp(a0, a1, t0), lerp(a0, a1, t1)
        # thin at the old end, full width near the blade
        w0 = lerp(r_out - 0.15, r_in, t0)
        w1 = lerp(r_out - 0.15, r_in, t1)
        pts = [add(c, dirv(b0), r_out), add(c, dirv(b1), r_out), add(c, dirv(b1), w1), add(c, dirv(b0), w0)]
        alpha = int(40 + 150 * t1)
        cv.poly(pts, (200, 230, 255, alpha), draw=ld)
    lay = lay.filter(ImageFilter.GaussianBlur(cv.R(0.03)))
    cv.composite(lay)


def draw_puffs(cv, puffs):
    lay, ld = cv.layer()
    for (x, y, r, a) in puffs:
        cv.circle((x, y), r, (236, 244, 255, a), draw=ld)
        cv.circle((x - r * 0.3, y + r * 0.3), r * 0.55, (255, 255, 255, min(255, a + 40)), draw=ld)
    lay = lay.filter(ImageFilter.GaussianBlur(cv.R(0.02)))
    cv.composite(lay)


def render(p, wide, mirror=False):
    width = WIDE if wide else NARROW
    cx = width / 2 + (WIDE_BODY_X * PPU if wide else 0)
    cv = Canvas(width, H, PPU, (cx, H), mirror=mirror)
    j = place(p)
    for s in "FB":
        j["shin_ang" + s] = p["shin" + s]
        j["fore_ang" + s] = p["fore" + s]
    draw_scarf_tails(cv, j, p)
    draw_arm(cv, j, "B", True)
    draw_leg(cv, j, "B", True)
    draw_leg(cv, j, "F", False)
    draw_coat(cv, j, p)
    draw_scarf_wrap(cv, j)
    draw_head(cv, j, p)
    if p["trail"]:
        draw_trail(cv, j, p)
    draw_sword(cv, j, p)
    draw_arm(cv, j, "F", False)
    if p["puffs"]:
        draw_puffs(cv, p["puffs"])
    return cv.finish()


# --- the animations --------------------------------------------------------

STILL = pose()


def walk(k):
    """Six-frame run cycle: at 0.15 units a frame the hero covers ground fast."""
    ph = 2 * math.pi * k / 6
    legs = {}
    for s, off in (("F", 0.0), ("B", math.pi)):
        f = ph + off
        thigh = 12 + 40 * math.sin(f)
        bend = 14 + 78 * max(0.0, math.cos(f)) ** 1.3
        legs["thigh" + s] = thigh
        legs["shin" + s] = thigh - bend
        legs["foot" + s] = -10 + 35 * max(0.0, math.cos(f)) if math.sin(f) < 0.6 else 0
    swing = math.sin(ph)
    return pose(lean=12, head=-6, armF=-14 - 20 * swing, foreF=40 - 16 * swing, sword=-150 - 6 * swing,
                armB=16 + 30 * swing, foreB=60 + 26 * swing, scarf=-100 + 6 * math.sin(ph * 2),
                wave=k / 6, **legs)


def crouch(t):
    return pose(lean=8 + 14 * t, head=-6 * t, thighF=14 + 62 * t, shinF=-14 * t - 4, thighB=-10 + 52 * t,
                shinB=-16 - 70 * t, footB=0 + 18 * t, armF=14 + 10 * t, foreF=150 - 6 * t,
                sword=170 - 6 * t, armB=-12 + 30 * t, foreB=14 + 40 * t, scarf=-35 - 20 * t, wave=t * 0.3)


def attack(k):
    lunge = dict(thighF=40, shinF=18, thighB=-34, shinB=-44, footB=-20)
    frames = [
        pose(lean=-6, head=4, thighF=26, shinF=10, thighB=-18, shinB=-26, armF=-40, foreF=-150, sword=-96,
             armB=40, foreB=80, scarf=-40, wave=0.1),
        pose(lean=-2, head=2, thighF=32, shinF=12, thighB=-24, shinB=-32, armF=-100, foreF=-165, sword=-128,
             armB=60, foreB=100, scarf=-55, wave=0.3),
        pose(lean=16, head=-4, armF=96, foreF=94, sword=96, armB=-40, foreB=-10, scarf=-90, wave=0.5,
             trail=(150, 96), mouth=True, **lunge),
        pose(lean=20, head=-6, armF=62, foreF=52, sword=40, armB=-50, foreB=-20, scarf=-100, wave=0.7,
             trail=(100, 40), **lunge),
        pose(lean=14, head=-3, thighF=34, shinF=14, thighB=-28, shinB=-36, armF=44, foreF=60, sword=66,
             armB=-30, foreB=0, scarf=-80, wave=0.9),
        blend(pose(lean=10, thighF=24, shinF=8, thighB=-18, shinB=-24, armF=34, foreF=68, sword=90,
                   armB=-20, foreB=6, scarf=-55, wave=1.1), STILL, 0.3),
    ]
    return frames[k]


def jump(k):
    air = dict(ground=False, hipy=1.2)
    frames = [
        # rising straight up: knees drawn up, scarf pulled down by the climb
        pose(lean=4, head=-6, thighF=62, shinF=-12, thighB=20, shinB=-58, footF=20, footB=35, armF=90,
             foreF=125, sword=148, armB=150, foreB=170, scarf=-15, wave=0.2, **air),
        # top of the arc
        pose(lean=6, head=0, thighF=42, shinF=4, thighB=-8, shinB=-36, footF=25, footB=30, armF=90,
             foreF=110, sword=130, armB=110, foreB=140, scarf=-70, wave=0.4, **air),
        # falling: legs reach down, scarf lifts
        pose(lean=4, head=6, thighF=26, shinF=8, thighB=-6, shinB=-20, footF=30, footB=35, armF=70,
             foreF=95, sword=120, armB=130, foreB=160, scarf=-140, wave=0.6, **air),
        pose(lean=2, head=8, thighF=18, shinF=6, thighB=-2, shinB=-8, footF=20, footB=25, armF=60,
             foreF=85, sword=112, armB=140, foreB=170, scarf=-165, wave=0.8, **air),
        # forward leap
        pose(lean=24, head=-10, thighF=72, shinF=14, thighB=-42, shinB=-70, footF=10, footB=40, armF=70,
             foreF=92, sword=100, armB=-70, foreB=-40, scarf=-96, wave=0.5, **air),
    ]
    return frames[k]


def jump_attack(k):
    air = dict(ground=False, hipy=1.2, thighF=60, shinF=-8, thighB=18, shinB=-56, footF=20, footB=35)
    frames = [
        pose(lean=-4, head=6, armF=-100, foreF=-165, sword=-132, armB=120, foreB=150, scarf=-60, wave=0.1, **air),
        pose(lean=8, head=0, armF=105, foreF=115, sword=135, armB=80, foreB=110, scarf=-80, wave=0.3,
             trail=(215, 135), mouth=True, **air),
        pose(lean=18, head=-6, armF=88, foreF=78, sword=62, armB=-20, foreB=10, scarf=-100, wave=0.5,
             trail=(140, 62), **air),
        pose(lean=26, head=-10, armF=40, foreF=20, sword=-8, armB=-50, foreB=-20, scarf=-110, wave=0.7,
             trail=(90, -8), **air),
        pose(lean=14, head=-4, armF=20, foreF=-10, sword=-70, armB=-20, foreB=20, scarf=-100, wave=0.9,
             trail=(20, -70), **air),
        pose(lean=6, head=0, armF=50, foreF=80, sword=112, armB=60, foreB=110, scarf=-80, wave=1.1, **air),
    ]
    return frames[k]


def stop(k):
    puff = lambda s, a: ((0.95, 0.12, 0.16 * s, a), (1.2, 0.2, 0.12 * s, a), (0.78, 0.06, 0.1 * s, a))
    frames = [
        pose(lean=-10, head=6, thighF=46, shinF=44, footF=-20, thighB=-6, shinB=-64, footB=10, armF=60,
             foreF=84, sword=118, armB=-60, foreB=-30, scarf=-70, wave=0.1, puffs=puff(1.0, 180)),
        pose(lean=-16, head=8, thighF=50, shinF=46, footF=-20, thighB=0, shinB=-72, footB=14, armF=70,
             foreF=96, sword=124, armB=-70, foreB=-40, scarf=-30, wave=0.3, puffs=puff(1.4, 150)),
        pose(lean=-6, head=4, thighF=36, shinF=26, footF=-8, thighB=-2, shinB=-46, armF=50, foreF=84,
             sword=116, armB=-40, foreB=-10, scarf=10, wave=0.5, puffs=puff(1.7, 90)),
        blend(pose(lean=2, thighF=24, shinF=10, thighB=-8, shinB=-26, scarf=0, wave=0.7), STILL, 0.3),
        blend(pose(lean=4, scarf=-15, wave=0.9), STILL, 0.6),
        STILL,
    ]
    return frames[k]


def turn(k):
    if k == 0:
        # braking, about to spin round
        return pose(lean=-12, head=10, thighF=34, shinF=30, footF=-15, thighB=-4, shinB=-50,
                    armF=22, foreF=150, sword=170, armB=-50, foreB=-20, scarf=-10, wave=0.2,
                    puffs=((0.6, 0.1, 0.13, 170), (0.82, 0.16, 0.09, 140)))
    # already facing the new way, pushing off
    return pose(lean=14, head=-6, thighF=30, shinF=10, thighB=-26, shinB=-52, footB=-10, armF=-10, foreF=40,
                sword=-150, armB=30, foreB=70, scarf=-100, wave=0.5)


def land(k):
    puffs = [((-0.7, 0.1, 0.17, 190), (0.7, 0.1, 0.17, 190), (-0.95, 0.2, 0.11, 150), (0.95, 0.2, 0.11, 150)),
             ((-0.95, 0.16, 0.14, 110), (0.95, 0.16, 0.14, 110), (-1.2, 0.28, 0.09, 80), (1.2, 0.28, 0.09, 80)),
             ()]
    depth = [1.0, 0.6, 0.25][k]
    c = crouch(depth)
    c.update(puffs=puffs[k], armB=-12 + 60 * depth, foreB=14 + 60 * depth, scarf=-35 - 110 * depth,
             wave=0.3 * k)
    return c


def hurt(k):
    if k == 0:
        return pose(lean=-22, head=-14, thighF=24, shinF=14, thighB=-16, shinB=-30, armF=80, foreF=120,
                    sword=150, armB=-120, foreB=-90, scarf=-10, eye="shut", mouth=True, wave=0.2)
    return pose(lean=-12, head=-8, thighF=20, shinF=8, thighB=-14, shinB=-24, armF=70, foreF=110,
                sword=140, armB=-70, foreB=-40, scarf=-20, eye="shut", wave=0.5)


def hurt_fall(k):
    frames = [
        pose(lean=-30, head=-16, thighF=30, shinF=20, thighB=-10, shinB=-28, armF=90, foreF=130, sword=160,
             armB=-130, foreB=-100, scarf=10, eye="shut", mouth=True, ground=False, hipy=1.3, wave=0.1),
        pose(lean=-55, head=-18, thighF=60, shinF=40, thighB=20, shinB=0, armF=120, foreF=150, sword=190,
             armB=-150, foreB=-130, scarf=30, eye="shut", ground=False, hipy=1.1, wave=0.3),
        pose(lean=-75, head=-10, thighF=80, shinF=70, thighB=50, shinB=30, armF=170, foreF=200, sword=210,
             armB=-170, foreB=-150, scarf=50, eye="shut", ground=False, hipy=0.7, wave=0.5),
        pose(lean=-92, head=0, thighF=96, shinF=88, thighB=80, shinB=70, footF=-80, footB=-80, armF=180,
             foreF=170, sword=160, armB=-170, foreB=-160, scarf=80, eye="shut", wave=0.7,
             puffs=((-1.3, 0.1, 0.2, 170), (-0.6, 0.08, 0.16, 150), (0.3, 0.08, 0.14, 120))),
        pose(lean=-90, head=4, thighF=92, shinF=86, thighB=76, shinB=66, footF=-80, footB=-80, armF=175,
             foreF=160, sword=150, armB=-175, foreB=-170, scarf=85, eye="shut", wave=0.9,
             puffs=((-1.5, 0.18, 0.14, 90), (-0.8, 0.14, 0.12, 80))),
        # propped on an elbow
        pose(lean=-60, head=10, thighF=92, shinF=40, footF=-20, thighB=84, shinB=20, footB=-10, armF=110,
             foreF=130, sword=110, armB=-160, foreB=-180, scarf=-60, wave=1.1),
        # kneeling
        pose(lean=12, head=-4, thighF=82, shinF=0, thighB=10, shinB=-84, footB=-60, armF=60, foreF=80,
             sword=100, armB=10, foreB=50, scarf=-50, wave=1.3),
        blend(crouch(0.4), STILL, 0.4),
    ]
    return frames[k]


FRAMES = []  # (path, pose, wide, mirror)


def build_table():
    t = [("Char/Still.png", STILL, True, False)]
    t += [("Char/Attacking/Attack%d.png" % (k + 1), attack(k), True, False) for k in range(6)]
    t += [("Char/Crouching/Crouch%d.png" % (k + 1), crouch(v), False, False)
          for k, v in enumerate([0.25, 0.5, 0.8, 1.0, 0.45])]
    t += [("Char/Hurt/Hurt%d.png" % (k + 1), hurt(k), True, False) for k in range(2)]
    t += [("Char/HurtFall/HurtFall%d.png" % (k + 1), hurt_fall(k), True, False) for k in range(8)]
    t += [("Char/Jump Attack/JumpAttack%d.png" % (k + 1), jump_attack(k), True, False) for k in range(6)]
    t += [("Char/Jumping/Jump%d.png" % (k + 1), jump(k), True, False) for k in range(5)]
    t += [("Char/Walking/Walk%d.png" % (k + 1), walk(k), False, False) for k in range(6)]
    t += [("Char/Stop/Stop%d.png" % (k + 1), stop(k), True, False) for k in range(6)]
    t += [("Char/Turn/Turn%d.png" % (k + 1), turn(k), False, k == 1) for k in range(2)]
    t += [("Char/Land/Land%d.png" % (k + 1), land(k), True, False) for k in range(3)]
    return t


def clipped(img):
    """Names of the edges that opaque pixels touch (the feet belong on the bottom)."""
    a = img.getchannel("A")
    w, h = img.size
    edges = {"left": a.crop((0, 0, 1, h)), "right": a.crop((w - 1, 0, w, h)), "top": a.crop((0, 0, w, 1))}
    return [k for k, e in edges.items() if e.getextrema()[1] > 96]


def main():
    for path, p, wide, mirror in build_table():
        img = render(p, wide, mirror)
        cut = clipped(img)
        if cut:
            print("note: %s touches the %s edge" % (path, "/".join(cut)))
        save_png(img, path)


if __name__ == "__main__":
    main()

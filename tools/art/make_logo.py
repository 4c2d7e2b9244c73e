#!/usr/bin/env python3
"""Writes data/logo.inc: the 160 x 62 "marrowbent" logo over the flower tunnel.

The wordmark is a condensed geometric lowercase (stems, rounded bowls and
arches) inside a rounded frame, rendered with 6 x 6 supersampling: a pixel
mostly covered is black, partly covered mid grey, and a pixel touching black
becomes a light-grey halo; everything else is transparent. So the lettering
is black with grey edges, and no opaque pixel is white.

Run: python3 tools/art/make_logo.py > data/logo.inc
"""
import math
import sys

W, H = 160, 62
SS = 6

STROKE = 4.5                 # stem width
ASC, TOP, BASE = 10.0, 19.0, 47.0  # ascender top and the x-height band
MID = (TOP + BASE) / 2
RAD = 6.0                    # corner radius of bowls and arches

shapes = []


def rect(x0, y0, x1, y1):
    shapes.append(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1)


def in_round_rect(px, py, x0, y0, x1, y1, rad):
    cx = min(max(px, x0 + rad), x1 - rad)
    cy = min(max(py, y0 + rad), y1 - rad)
    return x0 <= px <= x1 and y0 <= py <= y1 and (px - cx) ** 2 + (py - cy) ** 2 <= rad * rad


def outline(x0, y0, x1, y1, keep=None, rad=RAD, t=STROKE):
    """A rounded-rectangle stroke; keep(x, y) may cut parts of it away."""
    def inside(x, y):
        if not in_round_rect(x, y, x0, y0, x1, y1, rad):
            return False
        if in_round_rect(x, y, x0 + t, y0 + t * 0.9, x1 - t, y1 - t * 0.9, max(rad - t, 0.5)):
            return False
        return keep is None or keep(x, y)
    shapes.append(inside)


def stem(x, y0, y1):
    rect(x, y0, x + STROKE, y1)


def arch(x0, x1):
    """Shoulder with straight legs, open at the bottom (n, m, r)."""
    outline(x0, TOP, x1, BASE + 30, lambda x, y: y <= BASE)


def cup(x0, x1):
    """Arch upside down, open at the top (w)."""
    outline(x0, TOP - 30, x1, BASE, lambda x, y: y >= TOP)


# Letters left to right; each takes its left edge and returns its right edge.
def m(x):
    arch(x, x + 10.8)
    arch(x + 10.8 - STROKE, x + 21.6 - STROKE)
    return x + 21.6 - STROKE


def a(x):
    w = 12.4
    outline(x, TOP, x + w, BASE)
    stem(x + w - STROKE, TOP + 2, BASE)
    return x + w


def r(x):
    w = 9.6
    outline(x, TOP, x + w + 5, BASE + 30, lambda px, py: py <= TOP + 8.5 and px <= x + w)
    stem(x, TOP, BASE)
    return x + w


def o(x):
    w = 12.4
    outline(x, TOP, x + w, BASE)
    return x + w


def w_(x):
    cup(x, x + 10.8)
    cup(x + 10.8 - STROKE, x + 21.6 - STROKE)
    return x + 21.6 - STROKE


def b(x):
    w = 12.4
    outline(x, TOP, x + w, BASE)
    stem(x, ASC, BASE)
    return x + w


def e(x):
    w = 12.4
    outline(x, TOP, x + w, BASE,
            lambda px, py: not (px > x + w / 2 and MID + STROKE / 2 < py < BASE - RAD - 1))
    rect(x + 1, MID - STROKE / 2 + 0.3, x + w - 0.2, MID + STROKE / 2 - 0.3)
    return x + w


def n(x):
    w = 12.4
    arch(x, x + w)
    return x + w


def t(x):
    w = 9.2
    outline(x + 1.2, ASC - 30, x + w + 3, BASE,
            lambda px, py: py >= ASC + 3 and (px <= x + 1.2 + STROKE + 0.01 or py >= BASE - STROKE) and px <= x + w)
    rect(x - 0.5, TOP, x + w, TOP + STROKE - 0.6)
    return x + w


GAP = 1.7
letters = [m, a, r, r, o, w_, b, e, n, t]
# Lay out once to measure, then again centred.
for attempt in range(2):
    start = 0.0 if attempt == 0 else (W - total) / 2
    shapes.clear()
    x = start
    for f in letters:
        x = f(x) + GAP
    total = x - GAP - start

# Rounded frame around the wordmark: rows 0..61, columns 2..158.
FX0, FX1, FY0, FY1, FR, FT = 3.0, 158.0, 1.0, 61.0, 9.0, 2.6


def frame(px, py):
    def outside_round(x0, x1, y0, y1, rad):
        cx = min(max(px, x0 + rad), x1 - rad)
        cy = min(max(py, y0 + rad), y1 - rad)
        return (px - cx) ** 2 + (py - cy) ** 2 > rad * rad
    if outside_round(FX0, FX1, FY0, FY1, FR):
        return False
    return outside_round(FX0 + FT, FX1 - FT, FY0 + FT, FY1 - FT, FR - FT)


shapes.append(frame)

coverage = []
for py in range(H):
    for px in range(W):
        hits = 0
        for sy in range(SS):
            for sx in range(SS):
                x, y = px + (sx + 0.5) / SS, py + (sy + 0.5) / SS
                if any(s(x, y) for s in shapes):
                    hits += 1
        coverage.append(hits / (SS * SS))


def cov(x, y):
    return coverage[y * W + x] if 0 <= x < W and 0 <= y < H else 0.0


# Mostly covered: black. Partly covered: mid grey, the soft edge. Next to
# black: a light-grey halo that lifts the lettering off the busy tunnel.
pixels, mask = [], []
for py in range(H):
    for px in range(W):
        c = cov(px, py)
        if c >= 0.5:
            v = 3
        elif c >= 0.15:
            v = 2
        elif any(cov(px + dx, py + dy) >= 0.5 for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
            v = 1
        else:
            v = 0
        pixels.append(v)
        mask.append(0 if v else 255)


def dump(name, values):
    sys.stdout.write("const uint8_t %s[LOGO_WIDTH * LOGO_HEIGHT] = {\n" % name)
    for row in range(H):
        sys.stdout.write("    " + ",".join(str(v) for v in values[row * W:(row + 1) * W]) + ",\n")
    sys.stdout.write("};\n")


sys.stdout.write("// Generated by tools/art/make_logo.py: the \"marrowbent\" logo, 160 x 62.\n")
sys.stdout.write("// Pixels 1..3 where opaque (mask 0), 0 where transparent (mask 255).\n")
sys.stdout.write("constexpr int32_t LOGO_WIDTH = %d;\nconstexpr int32_t LOGO_HEIGHT = %d;\n" % (W, H))
dump("logo_pixels", pixels)
dump("logo_mask", mask)

# A preview for the designer on stderr.
for row in range(H):
    sys.stderr.write("".join(" .+#"[v] for v in pixels[row * W:(row + 1) * W]) + "\n")

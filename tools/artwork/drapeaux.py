#!/usr/bin/env python3
"""Generate the two 32 x 32 language pictures: France and Great Britain, each
country's outline filled with its flag.

The flag pieces are clipped to the outline here, in the generator, rather
than with an SVG clipPath, so the pictures render the same with any SVG Tiny
renderer. Outlines are a hand simplification of the coasts and borders, given
as (longitude, latitude) and projected with the cosine of a middle latitude.
"""
import math
import os
import sys

FRANCE = [
    (2.55, 51.09), (3.2, 50.75), (4.2, 50.28), (4.85, 50.15), (4.95, 49.8), (5.85, 49.52),
    (6.6, 49.4), (7.5, 49.12), (8.2, 48.97), (7.8, 48.45), (7.55, 47.65), (7.0, 47.45),
    (6.5, 47.05), (6.05, 46.55), (6.2, 46.25), (6.85, 46.15), (7.0, 45.75), (6.65, 45.1),
    (7.0, 44.6), (6.95, 44.25), (7.55, 43.78), (7.1, 43.55), (6.6, 43.15), (5.85, 43.05),
    (5.25, 43.3), (4.6, 43.4), (3.9, 43.5), (3.15, 43.05), (3.05, 42.55), (2.5, 42.35),
    (1.7, 42.5), (0.7, 42.8), (-0.2, 42.8), (-1.1, 43.05), (-1.78, 43.37), (-1.5, 43.55),
    (-1.25, 44.4), (-1.2, 44.95), (-1.1, 45.55), (-1.2, 46.15), (-1.8, 46.5), (-2.15, 46.9),
    (-2.2, 47.25), (-2.7, 47.5), (-3.3, 47.7), (-4.3, 47.8), (-4.75, 48.1), (-4.8, 48.45),
    (-4.55, 48.65), (-3.7, 48.8), (-2.9, 48.6), (-2.0, 48.65), (-1.55, 48.7), (-1.6, 49.25),
    (-1.9, 49.7), (-1.3, 49.7), (-1.1, 49.35), (-0.2, 49.3), (0.2, 49.55), (1.15, 49.95),
    (1.55, 50.2), (1.6, 50.75), (1.95, 50.98),
]
CORSICA = [
    (9.38, 43.02), (9.5, 42.65), (9.55, 42.15), (9.4, 41.7), (9.2, 41.38), (8.85, 41.6),
    (8.65, 41.95), (8.6, 42.35), (8.95, 42.7),
]
GREAT_BRITAIN = [
    (-3.05, 58.65), (-3.1, 58.4), (-3.85, 57.95), (-3.8, 57.85), (-4.2, 57.5), (-3.3, 57.72),
    (-2.0, 57.7), (-1.8, 57.48), (-2.1, 57.1), (-2.45, 56.7), (-2.6, 56.3), (-3.2, 56.05),
    (-2.55, 56.0), (-2.0, 55.75), (-1.5, 55.1), (-1.2, 54.6), (-0.55, 54.45), (-0.1, 54.1),
    (0.1, 53.6), (0.3, 53.15), (0.1, 52.9), (0.5, 52.95), (1.3, 52.93), (1.75, 52.5),
    (1.6, 52.0), (0.9, 51.6), (1.4, 51.35), (1.35, 51.1), (0.95, 50.92), (0.25, 50.74),
    (-0.8, 50.75), (-1.9, 50.7), (-2.45, 50.58), (-3.5, 50.6), (-3.65, 50.25), (-5.2, 49.96),
    (-5.7, 50.06), (-4.9, 50.6), (-4.5, 51.05), (-3.4, 51.2), (-2.65, 51.6), (-3.2, 51.45),
    (-4.25, 51.55), (-5.3, 51.85), (-4.2, 52.4), (-4.15, 52.75), (-4.75, 52.8), (-4.35, 53.1),
    (-4.6, 53.35), (-3.9, 53.3), (-3.05, 53.4), (-3.05, 53.85), (-2.85, 54.15), (-3.6, 54.5),
    (-3.3, 54.95), (-4.0, 54.8), (-4.85, 54.65), (-5.1, 54.9), (-4.65, 55.45), (-4.9, 55.9),
    (-5.45, 55.35), (-5.8, 55.3), (-5.6, 56.0), (-5.55, 56.45), (-6.2, 56.72), (-5.8, 57.05),
    (-5.7, 57.35), (-5.85, 57.65), (-5.3, 57.95), (-5.0, 58.62), (-4.2, 58.55), (-3.4, 58.67),
]


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def project(points, lat0):
    k = math.cos(math.radians(lat0))
    return [(lon * k, -lat) for lon, lat in points]


def fit(shapes, box, stretch_x=1.0):
    """Scale and centre projected shapes into box = (x0, y0, x1, y1)."""
    xs = [x * stretch_x for s in shapes for x, _ in s]
    ys = [y for s in shapes for _, y in s]
    w, h = max(xs) - min(xs), max(ys) - min(ys)
    bw, bh = box[2] - box[0], box[3] - box[1]
    sc = min(bw / w, bh / h)
    ox = box[0] + (bw - w * sc) / 2 - min(xs) * sc
    oy = box[1] + (bh - h * sc) / 2 - min(ys) * sc
    return [[(x * stretch_x * sc + ox, y * sc + oy) for x, y in s] for s in shapes]


def smooth(points, steps=3):
    """Closed Catmull-Rom curve through the points, as a denser polygon."""
    n = len(points)
    out = []
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(
                0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * t + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                       + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                for k in range(2)))
    return out


def clip(subject, convex):
    """Sutherland-Hodgman: the part of subject inside a convex polygon (any winding)."""
    area = sum(convex[i - 1][0] * convex[i][1] - convex[i][0] * convex[i - 1][1] for i in range(len(convex)))
    sign = 1 if area > 0 else -1
    out = subject
    for i in range(len(convex)):
        a, b = convex[i - 1], convex[i]
        if not out:
            break

        def inside(p):
            return sign * ((b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0])) >= 0

        def cross(p, q):
            x1, y1, x2, y2 = p[0], p[1], q[0], q[1]
            dx, dy = b[0] - a[0], b[1] - a[1]
            den = (x2 - x1) * dy - (y2 - y1) * dx
            t = ((a[0] - x1) * dy - (a[1] - y1) * dx) / den
            return (x1 + t * (x2 - x1), y1 + t * (y2 - y1))

        inp, out = out, []
        for j in range(len(inp)):
            p, q = inp[j - 1], inp[j]
            if inside(q):
                if not inside(p):
                    out.append(cross(p, q))
                out.append(q)
            elif inside(p):
                out.append(cross(p, q))
    return out


def path(poly):
    if len(poly) < 3:
        return ""
    return "M" + " L".join(f"{fmt(x)},{fmt(y)}" for x, y in poly) + " Z"


def header(title):
    return ['<?xml version="1.0" encoding="UTF-8"?>',
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="32" height="32" viewBox="0 0 32 32">',
            f'<title>{title}</title>']


BLUE_FR, RED_FR = "#1f4fb8", "#e1262d"
BLUE_UK, RED_UK = "#1d3a8f", "#d6202e"
OUTLINE = "#2a2630"


def france():
    shapes = fit([project(FRANCE, 46.5), project(CORSICA, 46.5)], (1.2, 1.2, 30.8, 30.8))
    shapes = [smooth(s) for s in shapes]
    xs = [x for x, _ in shapes[0]]
    x0, x1 = min(xs), max(xs)
    third = (x1 - x0) / 3
    bands = [(x0 - 1, x0 + third, BLUE_FR), (x0 + third, x0 + 2 * third, "#ffffff"), (x0 + 2 * third, 40, RED_FR)]
    o = header("Français")
    for shape in shapes:
        for a, b, colour in bands:
            piece = clip(shape, [(a, -10), (b, -10), (b, 50), (a, 50)])
            d = path(piece)
            if d:
                o.append(f'<path fill="{colour}" d="{d}"/>')
    for shape in shapes:
        o.append(f'<path fill="none" stroke="{OUTLINE}" stroke-width="0.65" stroke-linejoin="round" d="{path(shape)}"/>')
    o.append('</svg>')
    return "\n".join(o) + "\n"


def band(cx, cy, dx, dy, half, t0, t1, off0=None, off1=None):
    """Quadrilateral along direction (dx, dy) from centre: from t0 to t1 along
    it, across from off0 to off1 (default -half..half)."""
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    nx, ny = -uy, ux
    if off0 is None:
        off0, off1 = -half, half
    pts = []
    for t, o in ((t0, off0), (t1, off0), (t1, off1), (t0, off1)):
        pts.append((cx + ux * t + nx * o, cy + uy * t + ny * o))
    return pts


def grande_bretagne():
    shape = smooth(fit([project(GREAT_BRITAIN, 54.5)], (1.2, 1.0, 30.8, 31.0), stretch_x=1.12)[0])
    xs = [x for x, _ in shape]
    ys = [y for _, y in shape]
    cx, cy = (min(xs) + max(xs)) / 2 + 0.6, (min(ys) + max(ys)) / 2 + 4.2
    # The crosses meet in the Midlands, where the island is widest, so that
    # the whole pattern of the flag shows; the arms are narrowed to suit.
    big = 60
    o = header("English")
    o.append(f'<path fill="{BLUE_UK}" d="{path(shape)}"/>')
    pieces = []
    # White saltire, then the red one counterchanged: in each arm the red sits
    # on the side reached by turning clockwise, as on the flag.
    for dx, dy in ((1, 1), (1, -1)):
        pieces.append(("#ffffff", band(cx, cy, dx, dy * 1.25, 1.9, -big, big)))
    for dx, dy in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        # Normal (-uy, ux) points counter-clockwise of the arm on screen, so the
        # clockwise side is the negative offset.
        pieces.append((RED_UK, band(cx, cy, dx, dy * 1.25, 0, 0, big, -1.15, 0)))
    # St George's cross, white border first.
    pieces.append(("#ffffff", band(cx, cy, 1, 0, 2.7, -big, big)))
    pieces.append(("#ffffff", band(cx, cy, 0, 1, 2.7, -big, big)))
    pieces.append((RED_UK, band(cx, cy, 1, 0, 1.6, -big, big)))
    pieces.append((RED_UK, band(cx, cy, 0, 1, 1.6, -big, big)))
    for colour, quad in pieces:
        d = path(clip(shape, quad))
        if d:
            o.append(f'<path fill="{colour}" d="{d}"/>')
    o.append(f'<path fill="none" stroke="{OUTLINE}" stroke-width="0.65" stroke-linejoin="round" d="{path(shape)}"/>')
    o.append('</svg>')
    return "\n".join(o) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    images = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "images")
    with open(os.path.join(images, "france.svg"), "w", encoding="utf-8") as f:
        f.write(france())
    with open(os.path.join(images, "grandebretagne.svg"), "w", encoding="utf-8") as f:
        f.write(grande_bretagne())


if __name__ == "__main__":
    main()

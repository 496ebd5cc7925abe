#!/usr/bin/env python3
"""Generate resources/images/coche.svg, the mark laid over a ticked cell.

Two brush strokes crossing: broad at their ends so the mark is obvious, thin
where they cross the numeral so the ticked number can still be read.
"""
import math
import os
import sys


def stroke(x0, y0, x1, y1, w_end, w_mid, bend):
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    nx, ny = -dy / length, dx / length
    mx, my = (x0 + x1) / 2 + nx * bend, (y0 + y1) / 2 + ny * bend

    def p(x, y):
        return f"{x:.2f},{y:.2f}"

    a0 = (x0 + nx * w_end / 2, y0 + ny * w_end / 2)
    b0 = (x0 - nx * w_end / 2, y0 - ny * w_end / 2)
    a1 = (x1 + nx * w_end / 2, y1 + ny * w_end / 2)
    b1 = (x1 - nx * w_end / 2, y1 - ny * w_end / 2)
    # Control points chosen so each side passes w_mid/2 from the bent centre.
    ca = (2 * (mx + nx * w_mid / 2) - (a0[0] + a1[0]) / 2, 2 * (my + ny * w_mid / 2) - (a0[1] + a1[1]) / 2)
    cb = (2 * (mx - nx * w_mid / 2) - (b0[0] + b1[0]) / 2, 2 * (my - ny * w_mid / 2) - (b0[1] + b1[1]) / 2)
    ux, uy = dx / length, dy / length
    r = w_end / 2
    # Round caps drawn as cubic arcs.
    k = 0.55 * r
    cap1 = (f"C{p(a1[0] + ux * k, a1[1] + uy * k)} {p(x1 + ux * r + nx * k, y1 + uy * r + ny * k)} {p(x1 + ux * r, y1 + uy * r)} "
            f"C{p(x1 + ux * r - nx * k, y1 + uy * r - ny * k)} {p(b1[0] + ux * k, b1[1] + uy * k)} {p(*b1)}")
    cap0 = (f"C{p(b0[0] - ux * k, b0[1] - uy * k)} {p(x0 - ux * r - nx * k, y0 - uy * r - ny * k)} {p(x0 - ux * r, y0 - uy * r)} "
            f"C{p(x0 - ux * r + nx * k, y0 - uy * r + ny * k)} {p(a0[0] - ux * k, a0[1] - uy * k)} {p(*a0)}")
    return f"M{p(*a0)} Q{p(*ca)} {p(*a1)} {cap1} Q{p(*cb)} {p(*b0)} {cap0} Z"


def build():
    s1 = stroke(2.1, 3.0, 12.1, 16.9, 2.3, 0.75, 0.4)
    s2 = stroke(12.0, 2.7, 2.0, 17.1, 2.2, 0.75, -0.3)
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        'width="14" height="20" viewBox="0 0 14 20">\n'
        '<title>VORMIGRAL: ticked box</title>\n'
        # A light wash over the whole box makes the ticked cells stand out
        # from across the window; the cross says why.
        '<rect x="0.5" y="1.5" width="13" height="17" rx="1.6" ry="1.6" fill="#2a4fd6" fill-opacity="0.22"/>\n'
        '<g fill="#14207a">\n'
        f'<path d="{s1}"/>\n'
        f'<path d="{s2}"/>\n'
        '</g>\n</svg>\n'
    )


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "images", "coche.svg")
    with open(target, "w", encoding="utf-8") as f:
        f.write(build())


if __name__ == "__main__":
    main()

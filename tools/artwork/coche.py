#!/usr/bin/env python3
"""Generate resources/images/coche.svg, the mark laid over a ticked cell.

The mark redraws the printed box of the cell in a bold dark blue: thin at the
sides, where the two digits of a number come within two pixels of the box,
broad above and below, where the box has room, and a light blue wash inside.
The digit keeps its colour and stays clear of every stroke, so a ticked number
reads as well as an unticked one, and the mark never leaves the printed box.
Every edge of the frame lies on a whole pixel at 1x and 2x, so it stays sharp.
"""
import os
import sys

# The printed box of a cell, as bulletin.py draws it in the 14 x 20 cell: a
# 13 x 17 box outlined by a 1-pixel stroke, which covers 0..14 x 1..19.
LEFT, TOP, RIGHT, BOTTOM = 0, 1, 14, 19
RADIUS = 1.6
SIDE = 1       # the digits' ink reaches to 2.2 px from either side
BAR = 3        # the ink starts 5.2 px below the top and ends 5.2 px above the bottom
INK = "#14207a"
WASH = "#2a4fd6"


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def rounded(x0, y0, x1, y1, r):
    return (f"M{fmt(x0 + r)},{fmt(y0)} L{fmt(x1 - r)},{fmt(y0)} Q{fmt(x1)},{fmt(y0)} {fmt(x1)},{fmt(y0 + r)} "
            f"L{fmt(x1)},{fmt(y1 - r)} Q{fmt(x1)},{fmt(y1)} {fmt(x1 - r)},{fmt(y1)} "
            f"L{fmt(x0 + r)},{fmt(y1)} Q{fmt(x0)},{fmt(y1)} {fmt(x0)},{fmt(y1 - r)} "
            f"L{fmt(x0)},{fmt(y0 + r)} Q{fmt(x0)},{fmt(y0)} {fmt(x0 + r)},{fmt(y0)} Z")


def build():
    x0, y0, x1, y1 = LEFT + SIDE, TOP + BAR, RIGHT - SIDE, BOTTOM - BAR
    hole = f"M{x0},{y0} L{x0},{y1} L{x1},{y1} L{x1},{y0} Z"
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        'width="14" height="20" viewBox="0 0 14 20">\n'
        '<title>VORMIGRAL: ticked box</title>\n'
        f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{WASH}" fill-opacity="0.2"/>\n'
        f'<path d="{rounded(LEFT, TOP, RIGHT, BOTTOM, RADIUS)} {hole}" fill="{INK}" fill-rule="evenodd"/>\n'
        '</svg>\n'
    )


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "images", "coche.svg")
    with open(target, "w", encoding="utf-8") as f:
        f.write(build())


if __name__ == "__main__":
    main()

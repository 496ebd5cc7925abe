#!/usr/bin/env python3
"""Generate resources/images/bulletin.svg, the slip's 49-number block.

The main window and the grid viewer lay 49 clickable 14 x 20 cells over this
picture at fixed places; each printed box and numeral is centred on its cell
as the program places it (methodes.py reads the program's own table), so the
picture and the cells always agree.
"""
import os
import sys

from glyphs import DIGITS, HEIGHT
from methodes import CELLULES

# Top-left corner of the cell of each number, in the coordinates of the panel that holds the
# picture, as the program places them. The picture itself sits at (20, 9) in that panel.
CELLS = CELLULES
PANEL_X, PANEL_Y = 20, 9
WIDTH, HEIGHT_PX = 101, 266
CELL_W, CELL_H = 14, 20

PAPER = "#fff6ec"
BAND = "#fde4d3"
FRAME = "#e0604e"
BOX_STROKE = "#ea7a66"
BOX_FILL = "#ffffff"
INK = "#b01e2a"

# Box inside the cell and numeral size.
BOX_W, BOX_H = 13.0, 17.0
GLYPH_SCALE = 0.95          # 7 units -> about 7 px high
GLYPH_GAP = 1.0             # units between the two digits
STROKE = 1.08               # in glyph units


def cell_rect(n):
    x, y = CELLS[n]
    return x - PANEL_X, y - PANEL_Y


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def numeral(n, cx, cy):
    text = str(n)
    widths = [DIGITS[c][0] for c in text]
    total = (sum(widths) + GLYPH_GAP * (len(text) - 1)) * GLYPH_SCALE
    x = cx - total / 2
    y = cy - HEIGHT * GLYPH_SCALE / 2
    out = []
    for c, w in zip(text, widths):
        out.append(f'<path transform="translate({fmt(x)},{fmt(y)}) scale({GLYPH_SCALE})" d="{DIGITS[c][1]}"/>')
        x += (w + GLYPH_GAP) * GLYPH_SCALE
    return out


def build():
    out = []
    out.append('<?xml version="1.0" encoding="UTF-8"?>')
    out.append(f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
               f'width="{WIDTH}" height="{HEIGHT_PX}" viewBox="0 0 {WIDTH} {HEIGHT_PX}">')
    out.append('<title>VORMIGRAL: play grid of the slip</title>')
    # Paper and frame of the block.
    out.append(f'<rect x="0.5" y="0.5" width="{WIDTH - 1}" height="{HEIGHT_PX - 1}" rx="3" ry="3" '
               f'fill="{PAPER}" stroke="{FRAME}" stroke-width="1"/>')
    # Tinted bands behind columns 1 and 3 so the five columns read at a glance.
    for col in (1, 3):
        xs = [cell_rect(n)[0] for n in CELLS if n // 10 == col]
        x0, x1 = min(xs) - 0.5, max(xs) + CELL_W + 0.5
        out.append(f'<rect x="{fmt(x0)}" y="2" width="{fmt(x1 - x0)}" height="{HEIGHT_PX - 4}" fill="{BAND}"/>')
    # Thin rules between the rows.
    rows = {}
    for n in CELLS:
        rows.setdefault(n % 10, []).append(cell_rect(n)[1])
    for r in range(1, 10):
        prev_bottom = max(rows[r - 1]) + CELL_H
        top = min(rows[r])
        y = (prev_bottom + top) / 2 if top >= prev_bottom else (max(rows[r - 1]) + CELL_H + min(rows[r])) / 2
        y = round(y * 2) / 2
        out.append(f'<path d="M3,{fmt(y)} L{WIDTH - 3},{fmt(y)}" stroke="{BOX_STROKE}" stroke-width="0.35" '
                   f'stroke-opacity="0.45" fill="none"/>')
    # The empty head of column 0 carries a small ball, the program's motif.
    bx, by = 2 + CELL_W / 2, 5 + CELL_H / 2
    out.append(f'<circle cx="{fmt(bx)}" cy="{fmt(by)}" r="5" fill="{FRAME}"/>')
    out.append(f'<circle cx="{fmt(bx)}" cy="{fmt(by)}" r="2.6" fill="#ffffff"/>')
    out.append(f'<circle cx="{fmt(bx - 2.4)}" cy="{fmt(by - 2.4)}" r="1.1" fill="#ffffff" fill-opacity="0.7"/>')
    # Boxes.
    out.append(f'<g fill="{BOX_FILL}" stroke="{BOX_STROKE}" stroke-width="1">')
    for n in sorted(CELLS):
        x, y = cell_rect(n)
        # Whole-pixel cells and a 1 px outline on half-pixel lines keep the
        # boxes sharp at the picture's own size.
        bx0 = x + (CELL_W - BOX_W) / 2
        by0 = y + (CELL_H - BOX_H) / 2
        out.append(f'<rect x="{fmt(bx0)}" y="{fmt(by0)}" width="{fmt(BOX_W)}" height="{fmt(BOX_H)}" rx="1.6" ry="1.6"/>')
    out.append('</g>')
    # Numerals.
    out.append(f'<g fill="none" stroke="{INK}" stroke-width="{STROKE}" stroke-linecap="round" stroke-linejoin="round">')
    for n in sorted(CELLS):
        x, y = cell_rect(n)
        out.extend(numeral(n, x + CELL_W / 2, y + CELL_H / 2))
    out.append('</g>')
    out.append('</svg>')
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = os.path.join(here, "..", "..", "resources", "images", "bulletin.svg")
    if len(sys.argv) > 1:
        target = sys.argv[1]
    with open(target, "w", encoding="utf-8") as f:
        f.write(build())


if __name__ == "__main__":
    main()

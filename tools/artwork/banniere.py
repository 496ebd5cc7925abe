#!/usr/bin/env python3
"""Generate resources/images/banniere.svg, the banner across the main window.

The about and help buttons sit over both ends of the banner (x 16-44 and
573-601), so the ends keep a plain background and the motif stays between.
"""
import os
import sys

from glyphs import DIGITS, LETTERS, HEIGHT

W, H = 610, 50


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def glyph_run(text, table, x, y, scale, spacing):
    out = []
    for ch in text:
        w, d = table[ch]
        out.append(f'<path transform="translate({fmt(x)},{fmt(y)}) scale({fmt(scale)})" d="{d}"/>')
        x += (w + spacing) * scale
    return out


def run_width(text, table, scale, spacing):
    return (sum(table[c][0] for c in text) + spacing * (len(text) - 1)) * scale


BALLS = [
    # cx, cy, r, number, gradient id
    (92, 26, 13.5, 7, "bj"),
    (126, 22, 15.5, 13, "bv"),
    (163, 27, 14, 22, "br"),
    (447, 27, 14, 31, "bb"),
    (484, 22, 15.5, 38, "bj"),
    (518, 26, 13.5, 49, "bv"),
]

GRADIENTS = {
    "bj": ("#fff3b0", "#f4b820", "#b07a00"),
    "bv": ("#c9f5c9", "#2fa84f", "#17642c"),
    "br": ("#ffd0c8", "#e03a2f", "#8e1a14"),
    "bb": ("#d3e2ff", "#3b6fe0", "#1a3a8e"),
}


def build():
    o = []
    o.append('<?xml version="1.0" encoding="UTF-8"?>')
    o.append(f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
             f'width="{W}" height="{H}" viewBox="0 0 {W} {H}">')
    o.append('<title>VORMIGRAL</title>')
    o.append('<defs>')
    o.append('<linearGradient id="fond" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#2b4fa8"/><stop offset="0.55" stop-color="#1b3585"/>'
             '<stop offset="1" stop-color="#14286a"/></linearGradient>')
    o.append('<linearGradient id="or" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#fff6c8"/><stop offset="0.5" stop-color="#ffd34d"/>'
             '<stop offset="1" stop-color="#e0a010"/></linearGradient>')
    for gid, (light, mid, dark) in GRADIENTS.items():
        o.append(f'<radialGradient id="{gid}" cx="0.38" cy="0.32" r="0.7" fx="0.32" fy="0.26">'
                 f'<stop offset="0" stop-color="{light}"/><stop offset="0.45" stop-color="{mid}"/>'
                 f'<stop offset="1" stop-color="{dark}"/></radialGradient>')
    o.append('</defs>')
    # Plain field; the gradient runs top to bottom only, so both ends stay even.
    o.append(f'<rect x="0" y="0" width="{W}" height="{H}" fill="url(#fond)"/>')
    o.append(f'<path d="M0,1 L{W},1" stroke="#6f8fdc" stroke-width="2"/>')
    o.append(f'<path d="M0,{H - 1.5} L{W},{H - 1.5}" stroke="#ffd34d" stroke-width="3"/>')
    # Lottery balls on both sides of the word.
    for cx, cy, r, n, gid in BALLS:
        o.append(f'<ellipse cx="{fmt(cx + 1.5)}" cy="{fmt(cy + r - 1)}" rx="{fmt(r * 0.8)}" ry="2.2" '
                 f'fill="#0b1540" fill-opacity="0.45"/>')
        o.append(f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="url(#{gid})"/>')
        o.append(f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r * 0.56)}" fill="#ffffff"/>')
        text = str(n)
        scale = r * 0.56 * 1.05 / HEIGHT
        spacing = 0.9
        tw = run_width(text, DIGITS, scale, spacing)
        o.append(f'<g fill="none" stroke="#1b2a5a" stroke-width="{fmt(1.25)}" stroke-linecap="round" '
                 f'stroke-linejoin="round">')
        o.extend(glyph_run(text, DIGITS, cx - tw / 2, cy - HEIGHT * scale / 2, scale, spacing))
        o.append('</g>')
    # Word mark, with a dark offset copy for depth.
    scale, spacing = 3.55, 2.3
    tw = run_width("VORMIGRAL", LETTERS, scale, spacing)
    x0 = (W - tw) / 2
    y0 = (H - HEIGHT * scale) / 2 - 1
    o.append('<g fill="none" stroke="#0a1238" stroke-opacity="0.6" stroke-width="1.25" '
             'stroke-linecap="round" stroke-linejoin="round">')
    o.extend(glyph_run("VORMIGRAL", LETTERS, x0 + 1.6, y0 + 1.8, scale, spacing))
    o.append('</g>')
    o.append('<g fill="none" stroke="url(#or)" stroke-width="1.25" stroke-linecap="round" '
             'stroke-linejoin="round">')
    o.extend(glyph_run("VORMIGRAL", LETTERS, x0, y0, scale, spacing))
    o.append('</g>')
    o.append('</svg>')
    return "\n".join(o) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "images", "banniere.svg")
    with open(target, "w", encoding="utf-8") as f:
        f.write(build())


if __name__ == "__main__":
    main()

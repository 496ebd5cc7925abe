"""Stroke outlines of the digits and of the letters the artwork needs.

Each glyph is drawn on its own centreline: a path in a box `width` units wide
and 7 units high (y downwards), meant to be stroked with round caps and joins.
Keeping the numerals as paths means the pictures never depend on the fonts
installed on the player's machine.
"""

HEIGHT = 7.0

# name: (advance width, path data)
DIGITS = {
    "0": (4.0, "M2,0 C0.7,0 0,1.5 0,3.5 C0,5.5 0.7,7 2,7 C3.3,7 4,5.5 4,3.5 C4,1.5 3.3,0 2,0 Z"),
    "1": (4.0, "M0.9,1.5 L2.6,0 L2.6,7"),
    "2": (4.0, "M0.2,1.5 C0.5,0.5 1.2,0 2.05,0 C3.2,0 3.9,0.8 3.9,1.85 C3.9,3.1 2.9,3.9 0.1,7 L4,7"),
    "3": (4.0, "M0.3,0.7 C0.8,0.2 1.4,0 2,0 C3.2,0 3.85,0.7 3.85,1.7 C3.85,2.75 3,3.35 1.7,3.35 "
               "C3.15,3.35 4,4.1 4,5.2 C4,6.3 3.1,7 1.95,7 C1.2,7 0.5,6.75 0,6.2"),
    "4": (4.0, "M3.1,7 L3.1,0 L0,4.9 L4.2,4.9"),
    "5": (4.0, "M3.8,0 L0.65,0 L0.35,3.2 C0.85,2.8 1.4,2.6 2,2.6 C3.2,2.6 4,3.5 4,4.8 "
               "C4,6.15 3.1,7 1.9,7 C1.15,7 0.5,6.7 0,6.2"),
    "6": (4.0, "M3.6,0.55 C3.2,0.2 2.7,0 2.1,0 C0.8,0 0,1.5 0,3.9 C0,6 0.8,7 2.05,7 "
               "C3.25,7 4,6.1 4,4.85 C4,3.55 3.2,2.75 2.1,2.75 C1.2,2.75 0.4,3.2 0,4"),
    "7": (4.0, "M0,0 L4,0 C2.6,1.8 1.7,4.2 1.4,7"),
    "8": (4.0, "M2,3.3 C0.95,3.3 0.25,2.65 0.25,1.7 C0.25,0.7 1,0 2,0 C3,0 3.75,0.7 3.75,1.7 "
               "C3.75,2.65 3.05,3.3 2,3.3 C0.8,3.3 0,4.1 0,5.15 C0,6.25 0.9,7 2,7 "
               "C3.1,7 4,6.25 4,5.15 C4,4.1 3.2,3.3 2,3.3 Z"),
    "9": (4.0, "M0.4,6.45 C0.8,6.8 1.3,7 1.9,7 C3.2,7 4,5.5 4,3.1 C4,1 3.2,0 1.95,0 "
               "C0.75,0 0,0.9 0,2.15 C0,3.45 0.8,4.25 1.9,4.25 C2.8,4.25 3.6,3.8 4,3"),
}

# Capitals for the banner's word mark, geometric and slightly wide.
LETTERS = {
    "V": (5.0, "M0,0 L2.5,7 L5,0"),
    "O": (6.0, "M3,0 C1.2,0 0,1.5 0,3.5 C0,5.5 1.2,7 3,7 C4.8,7 6,5.5 6,3.5 C6,1.5 4.8,0 3,0 Z"),
    "R": (4.6, "M0,7 L0,0 L2.5,0 C3.7,0 4.5,0.8 4.5,1.95 C4.5,3.1 3.7,3.9 2.5,3.9 L0,3.9 M2.3,3.9 L4.6,7"),
    "M": (6.0, "M0,7 L0,0 L3,5 L6,0 L6,7"),
    "I": (0.0, "M0,0 L0,7"),
    "G": (5.6, "M5.3,1.1 C4.8,0.4 4,0 3,0 C1.2,0 0,1.5 0,3.5 C0,5.5 1.2,7 3,7 C4.5,7 5.6,6 5.6,4.3 "
               "L5.6,3.9 L3.3,3.9"),
    "A": (5.6, "M0,7 L2.8,0 L5.6,7 M1,4.6 L4.6,4.6"),
    "L": (4.0, "M0,0 L0,7 L4,7"),
}


def word(text, table, x, y, scale, spacing):
    """Return (path elements' d strings with transforms, total width) for text."""
    parts = []
    pen = x
    for ch in text:
        w, d = table[ch]
        parts.append((pen, y, d))
        pen += (w + spacing) * scale
    total = pen - x - spacing * scale
    return parts, total


def advance(text, table, scale, spacing):
    w = sum(table[ch][0] for ch in text) + spacing * (len(text) - 1)
    return w * scale

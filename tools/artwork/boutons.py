#!/usr/bin/env python3
"""Generate the 16 x 16 button pictures in resources/images/boutons/.

Drawn on the pixel grid: 1 px outlines run on half-pixel lines so the glyphs
stay sharp at their own size.
"""
import os
import sys

INK = "#24304f"
BLUE_GRAD = ('<linearGradient id="bleu" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#7fb0f5"/><stop offset="1" stop-color="#1f58c4"/></linearGradient>')
GREEN_GRAD = ('<linearGradient id="vert" x1="0" y1="0" x2="0" y2="1">'
              '<stop offset="0" stop-color="#8ee08a"/><stop offset="1" stop-color="#1f8a2e"/></linearGradient>')

PICTURES = {
    # An eye: look at the grids.
    "voir": (
        "Voir",
        f'<path d="M0.8,8 C3.2,3.6 12.8,3.6 15.2,8 C12.8,12.4 3.2,12.4 0.8,8 Z" fill="#ffffff" stroke="{INK}" stroke-width="1.1" stroke-linejoin="round"/>'
        '<circle cx="8" cy="8" r="3.3" fill="#2f6fd0"/>'
        '<circle cx="8" cy="8" r="1.5" fill="#10152a"/>'
        '<circle cx="6.9" cy="6.8" r="0.9" fill="#ffffff"/>',
    ),
    # A sheet with lines: the list of grids.
    "liste": (
        "Liste",
        f'<path d="M2.5,1.5 H10.5 L13.5,4.5 V14.5 H2.5 Z" fill="#ffffff" stroke="{INK}" stroke-linejoin="round"/>'
        f'<path d="M10.5,1.5 V4.5 H13.5" fill="#dfe6f2" stroke="{INK}" stroke-linejoin="round"/>'
        '<g fill="#d9412f"><rect x="4" y="5" width="2" height="1"/><rect x="4" y="8" width="2" height="1"/>'
        '<rect x="4" y="11" width="2" height="1"/></g>'
        '<g fill="#2f6fd0"><rect x="7" y="5" width="4" height="1"/><rect x="7" y="8" width="5" height="1"/>'
        '<rect x="7" y="11" width="5" height="1"/></g>',
    ),
    # A printer with a sheet coming out.
    "imprimer": (
        "Imprimer",
        '<defs><linearGradient id="corps" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#e8ebf0"/>'
        '<stop offset="1" stop-color="#9aa3b3"/></linearGradient></defs>'
        f'<rect x="4.5" y="1.5" width="7" height="5" fill="#ffffff" stroke="{INK}"/>'
        f'<rect x="1.5" y="5.5" width="13" height="6" rx="1.5" ry="1.5" fill="url(#corps)" stroke="{INK}"/>'
        '<rect x="11" y="7" width="2" height="1" fill="#2fb34a"/>'
        f'<path d="M4.5,9.5 H11.5 V14.5 H4.5 Z" fill="#ffffff" stroke="{INK}"/>'
        '<g fill="#9aa3b3"><rect x="6" y="11" width="4" height="1"/><rect x="6" y="13" width="3" height="1"/></g>',
    ),
    # A pair of scales: weigh the grids against the draw.
    "comparer": (
        "Comparer",
        f'<g fill="none" stroke="{INK}" stroke-width="1">'
        '<path d="M8,2.5 V13.5"/><path d="M1.5,3.5 H14.5"/>'
        '<path d="M2.5,3.5 L0.8,9 M2.5,3.5 L4.2,9 M13.5,3.5 L11.8,9 M13.5,3.5 L15.2,9"/></g>'
        f'<path d="M0.5,9 H4.5 C4.5,10.8 0.5,10.8 0.5,9 Z" fill="#e2a829" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>'
        f'<path d="M11.5,9 H15.5 C15.5,10.8 11.5,10.8 11.5,9 Z" fill="#e2a829" stroke="{INK}" stroke-width="0.8" stroke-linejoin="round"/>'
        f'<path d="M4.5,14.5 H11.5 L10.5,12.5 H5.5 Z" fill="#e2a829" stroke="{INK}" stroke-linejoin="round"/>'
        f'<circle cx="8" cy="2.5" r="1.3" fill="#e2a829" stroke="{INK}" stroke-width="0.8"/>',
    ),
    # An eraser rubbing out a line.
    "effacer": (
        "Effacer",
        '<path d="M4,14.5 H15" stroke="#9aa3b3" stroke-width="1"/>'
        f'<path d="M1.5,10.5 L6.5,5.5 L10.5,9.5 L5.5,14.5 Z" fill="#f6b3c0" stroke="{INK}" stroke-linejoin="round"/>'
        f'<path d="M6.5,5.5 L10.5,1.5 L14.5,5.5 L10.5,9.5 Z" fill="#3b78d8" stroke="{INK}" stroke-linejoin="round"/>'
        '<path d="M7.5,4.5 L10.5,1.9" stroke="#9cc0f5" stroke-width="1"/>',
    ),
    # A die: random numbers.
    "hasard": (
        "Hasard",
        '<defs><linearGradient id="de" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#ffffff"/>'
        '<stop offset="1" stop-color="#d5dbe6"/></linearGradient></defs>'
        f'<rect x="1.5" y="1.5" width="13" height="13" rx="2.5" ry="2.5" fill="url(#de)" stroke="{INK}"/>'
        '<g fill="#c8202a"><circle cx="4.9" cy="4.9" r="1.35"/><circle cx="11.1" cy="4.9" r="1.35"/>'
        '<circle cx="8" cy="8" r="1.35"/><circle cx="4.9" cy="11.1" r="1.35"/><circle cx="11.1" cy="11.1" r="1.35"/></g>',
    ),
    # An open door with an arrow leading out.
    "quitter": (
        "Quitter",
        f'<defs>{GREEN_GRAD}</defs>'
        f'<rect x="1.5" y="1.5" width="8" height="13" fill="#3a3f4d" stroke="{INK}"/>'
        f'<path d="M1.5,1.5 L6,3 V15.5 L1.5,14.5 Z" fill="#b9773a" stroke="{INK}" stroke-linejoin="round"/>'
        '<circle cx="5" cy="9" r="0.6" fill="#ffe08a"/>'
        f'<path d="M7.5,6.5 H11 V4 L15.2,8 L11,12 V9.5 H7.5 Z" fill="url(#vert)" stroke="#17602a" stroke-width="0.9" stroke-linejoin="round"/>',
    ),
    # A question mark on a blue disc.
    "aide": (
        "Aide",
        f'<defs>{BLUE_GRAD}</defs>'
        '<circle cx="8" cy="8" r="7.2" fill="url(#bleu)" stroke="#163d8a" stroke-width="0.9"/>'
        '<path d="M5.6,6 C5.6,4.4 6.7,3.5 8.05,3.5 C9.5,3.5 10.5,4.4 10.5,5.7 C10.5,7.5 8.1,7.6 8.1,9.6" '
        'fill="none" stroke="#ffffff" stroke-width="1.9" stroke-linecap="round" stroke-linejoin="round"/>'
        '<circle cx="8.1" cy="12.2" r="1.15" fill="#ffffff"/>',
    ),
    # An "i" on a teal disc.
    "infos": (
        "Infos",
        '<defs><linearGradient id="sarcelle" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#7fd8e0"/>'
        '<stop offset="1" stop-color="#14809a"/></linearGradient></defs>'
        '<circle cx="8" cy="8" r="7.2" fill="url(#sarcelle)" stroke="#0d5a6c" stroke-width="0.9"/>'
        '<circle cx="8" cy="4.3" r="1.25" fill="#ffffff"/>'
        '<path d="M6.3,6.6 H9 V11.6 H10 V12.8 H6 V11.6 H7 V7.8 H6.3 Z" fill="#ffffff"/>',
    ),
    # A green check mark.
    "ok": (
        "OK",
        '<path d="M2.3,8.6 L6.2,12.4 L13.8,3.6" fill="none" stroke="#145a22" stroke-width="3.6" '
        'stroke-linecap="round" stroke-linejoin="round"/>'
        '<path d="M2.3,8.6 L6.2,12.4 L13.8,3.6" fill="none" stroke="#34b84a" stroke-width="2.2" '
        'stroke-linecap="round" stroke-linejoin="round"/>',
    ),
    # A red cross.
    "annuler": (
        "Annuler",
        '<path d="M3.5,3.5 L12.5,12.5 M12.5,3.5 L3.5,12.5" fill="none" stroke="#7a1010" stroke-width="3.6" '
        'stroke-linecap="round"/>'
        '<path d="M3.5,3.5 L12.5,12.5 M12.5,3.5 L3.5,12.5" fill="none" stroke="#e0342c" stroke-width="2.2" '
        'stroke-linecap="round"/>',
    ),
    # Arrows for stepping through the grids.
    "precedent": (
        "Précédent",
        f'<defs>{BLUE_GRAD}</defs>'
        '<path d="M1,8 L7.5,1.8 V5.3 H14.5 V10.7 H7.5 V14.2 Z" fill="url(#bleu)" stroke="#163d8a" '
        'stroke-width="1" stroke-linejoin="round"/>',
    ),
    "suivant": (
        "Suivant",
        f'<defs>{BLUE_GRAD}</defs>'
        '<path d="M15,8 L8.5,1.8 V5.3 H1.5 V10.7 H8.5 V14.2 Z" fill="url(#bleu)" stroke="#163d8a" '
        'stroke-width="1" stroke-linejoin="round"/>',
    ),
    # A U-turn arrow: back to the previous window.
    "retour": (
        "Retour",
        '<path d="M12.5,14 V9 C12.5,6.6 11.1,5.3 8.8,5.3 H5" fill="none" stroke="#163d8a" stroke-width="3.6" '
        'stroke-linecap="round" stroke-linejoin="round"/>'
        '<path d="M12.5,14 V9 C12.5,6.6 11.1,5.3 8.8,5.3 H5" fill="none" stroke="#3b7be0" stroke-width="2" '
        'stroke-linecap="round" stroke-linejoin="round"/>'
        '<path d="M6.2,0.9 L0.9,5.3 L6.2,9.7 Z" fill="#3b7be0" stroke="#163d8a" stroke-width="1" stroke-linejoin="round"/>',
    ),
}


def build(title, body):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="16" height="16" viewBox="0 0 16 16">\n'
            f'<title>{title}</title>\n{body}\n</svg>\n')


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "images", "boutons")
    for name, (title, body) in PICTURES.items():
        with open(os.path.join(folder, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(build(title, body))


if __name__ == "__main__":
    main()

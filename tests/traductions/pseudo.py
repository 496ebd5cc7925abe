#!/usr/bin/env python3
"""Makes the pseudo-translation from a .ts file lupdate wrote from the sources (for French, whose
plural forms it has): every text marked
between ⟦ and ⟧ and about a third longer, its placeholders (%1, %n), mnemonics (&) and HTML tags
left as they are, so that a window showing a text without the marks shows a text that never went
through the translations, and one whose text no longer fits shows it cut.

Usage: pseudo.py SOURCE.ts PSEUDO.ts
"""
import math
import sys
import xml.etree.ElementTree as ET

OUVRE, FERME, RALLONGE = "\u27e6", "\u27e7", "\u00b7"


def marque(texte):
    visible = len(texte.replace("&&", "&").replace("&", ""))
    rallonge = RALLONGE * max(0, math.ceil(visible / 3) - 2)
    # Inside an HTML text's outer element, where the marks show.
    if texte.startswith("<") and ">" in texte and "<" in texte[1:]:
        debut = texte.index(">") + 1
        fin = texte.rindex("<")
        if debut <= fin:
            return texte[:debut] + OUVRE + texte[debut:fin] + rallonge + FERME + texte[fin:]
    return OUVRE + texte + rallonge + FERME


def main():
    source, sortie = sys.argv[1:]
    arbre = ET.parse(source)
    racine = arbre.getroot()
    for message in racine.iter("message"):
        texte = message.findtext("source")
        traduction = message.find("translation")
        traduction.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            for forme in traduction.iter("numerusform"):
                forme.text = marque(texte)
        else:
            traduction.text = marque(texte)
    arbre.write(sortie, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Fails unless the committed translations hold every text of the sources, translated, and nothing
else: lupdate merges the sources into a copy of each .ts file, and any entry it adds (a new text),
leaves unfinished or marks as gone, or any empty translation, fails the test with its context. A
copy that lupdate changed in any other way is stale as well.

Usage: completes.py LUPDATE SOURCES.lst INCLUDE WORK TS...
"""
import filecmp
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

MISE_A_JOUR = "cmake --build build --target update_translations, then translate what is new"


def defauts(chemin):
    """What is wrong with the entries of one updated .ts file, one line each."""
    lignes = []
    for contexte in ET.parse(chemin).getroot().iter("context"):
        nom = contexte.findtext("name")
        for message in contexte.iter("message"):
            source = message.findtext("source")
            traduction = message.find("translation")
            genre = traduction.get("type", "")
            if genre in ("vanished", "obsolete"):
                quoi = "gone from the sources"
            elif genre == "unfinished" and not (traduction.text or list(traduction)):
                quoi = "new, not translated"
            elif genre == "unfinished":
                quoi = "unfinished"
            elif message.get("numerus") == "yes":
                formes = [f.text for f in traduction.iter("numerusform")]
                quoi = "a plural form is empty" if not formes or not all(formes) else None
            else:
                quoi = None if traduction.text else "empty translation"
            if quoi:
                lignes.append(f"{chemin.name}: {nom}: {source!r}: {quoi}")
    return lignes


def main():
    lupdate, sources, inclus, travail, *ts = sys.argv[1:]
    travail = Path(travail)
    shutil.rmtree(travail, ignore_errors=True)
    travail.mkdir(parents=True)
    copies = []
    for fichier in map(Path, ts):
        if not fichier.exists():
            print(f"{fichier}: missing ({MISE_A_JOUR})")
            return 1
        copie = travail / fichier.name
        shutil.copyfile(fichier, copie)
        copies.append((fichier, copie))
    # The update's own options, without dropping what is gone: it must show.
    subprocess.run([lupdate, "-locations", "none", "-silent", "-I", inclus, "@" + sources, "-ts",
                    *[str(c) for _, c in copies]], check=True)
    erreurs = []
    for suivi, copie in copies:
        lignes = defauts(copie)
        if not lignes and not filecmp.cmp(suivi, copie, shallow=False):
            lignes = [f"{suivi.name}: differs from what lupdate makes of the sources (a comment, a "
                      f"context or a disambiguation changed)"]
        erreurs += lignes
    messages = sum(1 for _ in ET.parse(copies[0][1]).getroot().iter("message"))
    if messages == 0:
        erreurs.append("lupdate found no text in the sources")
    for ligne in erreurs:
        print(ligne)
    if erreurs:
        print(f"{len(erreurs)} problem(s): {MISE_A_JOUR}")
        return 1
    print(f"{messages} texts, translated in {len(copies)} languages")
    return 0


if __name__ == "__main__":
    sys.exit(main())

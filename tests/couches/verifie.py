#!/usr/bin/env python3
"""Holds every source file's includes to the layers of the build (VORMIGRAL_COUCHES, CMakeLists.txt).

A file of a library may include its own library's headers and the public headers of the libraries
its row names; a library whose row names no Qt library includes no Qt header. A file outside the
libraries (the program's main.cpp, the tests, the tools) may include any header of the tree: a
test or a benchmark may look into a library's own headers. A library never includes a header that
belongs to no library. An include that names no file of the tree (Qt, the system, a header the
build generates) is not the layers' concern.

Usage: verifie.py SOURCES LAYERS
  SOURCES  the top of the source tree
  LAYERS   the file the configure step writes (build/couches.txt, see cmake/couches.cmake)
Prints each include refused as FILE:LINE: why, and exits with 1 when there is one."""

import os
import re
import sys

INCLUSION = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
EXTENSIONS = (".h", ".hpp", ".cpp", ".cc", ".cxx")


def lit_couches(chemin):
    """The rows ({library: set of what it links}) and the files ({path: (library, public)})."""
    rangs, fichiers = {}, {}
    with open(chemin, encoding="utf-8") as f:
        for ligne in f:
            mots = ligne.split()
            if not mots or mots[0].startswith("#"):
                continue
            if mots[0] == "couche":
                rangs[mots[1]] = set(mots[2:])
            elif mots[0] == "fichier":
                fichiers[mots[3]] = (mots[1], mots[2] == "public")
    return rangs, fichiers


def sources(racine):
    """Every source file of the tree, from its top; build folders and hidden ones are not read."""
    for dossier, sous, noms in os.walk(racine):
        sous[:] = sorted(
            s
            for s in sous
            if not s.startswith((".", "build")) and not os.path.exists(os.path.join(dossier, s, "CMakeCache.txt"))
        )
        for nom in sorted(noms):
            if nom.endswith(EXTENSIONS):
                yield os.path.relpath(os.path.join(dossier, nom), racine)


def resout(racine, fichier, nom):
    """The file of the tree an include names, from the top or beside the including file; None
    when it names none."""
    for base in ("", os.path.dirname(fichier)):
        chemin = os.path.normpath(os.path.join(base, nom))
        if not chemin.startswith("..") and os.path.isfile(os.path.join(racine, chemin)):
            return chemin
    return None


def refus(rangs, fichiers, fichier, crochet, nom, inclus):
    """Why `fichier` may not include `nom` (the tree's file `inclus`, or None), or None."""
    if fichier not in fichiers:
        return None
    bibliotheque = fichiers[fichier][0]
    rang = rangs[bibliotheque]
    if inclus is None:
        if crochet == "<" and re.match(r"Q[A-Za-z]", nom) and not any(r.startswith("Qt6::") for r in rang):
            return f"{bibliotheque} holds no Qt, but includes <{nom}>"
        return None
    if inclus not in fichiers:
        return f"{bibliotheque} includes {inclus}, which belongs to no library"
    proprietaire, public = fichiers[inclus]
    if proprietaire == bibliotheque:
        return None
    if proprietaire not in rang:
        permis = " ".join(sorted(rang)) or "nothing"
        return f"{bibliotheque} may not use {proprietaire} ({inclus}); its row names: {permis}"
    if not public:
        return f"{inclus} is {proprietaire}'s own header, not one of its public headers"
    return None


def main(arguments):
    if len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    racine, couches = arguments
    rangs, fichiers = lit_couches(couches)
    absents = sorted(f for f in fichiers if not os.path.isfile(os.path.join(racine, f)))
    if absents:
        print(f"{couches} names files that are not in {racine}: {' '.join(absents)}", file=sys.stderr)
        return 2
    refuses = 0
    for fichier in sources(racine):
        with open(os.path.join(racine, fichier), encoding="utf-8", errors="replace") as f:
            for numero, ligne in enumerate(f, 1):
                trouve = INCLUSION.match(ligne)
                if not trouve:
                    continue
                crochet, nom = trouve.groups()
                raison = refus(rangs, fichiers, fichier, crochet, nom, resout(racine, fichier, nom))
                if raison:
                    print(f"{fichier}:{numero}: {raison}")
                    refuses += 1
    return 1 if refuses else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

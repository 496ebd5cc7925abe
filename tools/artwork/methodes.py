"""The program's own data for the help and the artwork: the 50 methods, the method list's order,
the tables that fall short of their promise, and the cells of the number block.

Nothing is copied here: it is what the program prints with `build/tools/programdata/programdata`
(or the JSON file named by VORMIGRAL_DONNEES), so the help and the pictures cannot drift from the
program."""
import json
import os
import subprocess

_ICI = os.path.dirname(os.path.abspath(__file__))


def _donnees():
    chemin = os.environ.get("VORMIGRAL_DONNEES")
    if chemin:
        with open(chemin, encoding="utf-8") as f:
            return json.load(f)
    outil = os.path.join(_ICI, "..", "..", "build", "tools", "programdata", "programdata")
    try:
        sortie = subprocess.run([outil], check=True, capture_output=True, text=True).stdout
    except OSError as erreur:
        raise SystemExit(f"build the program first (tools/construit.sh): {outil}: {erreur}")
    return json.loads(sortie)


_D = _donnees()

VERSION = _D["version"]

# number: (X guaranteed, Y needed among the ticked, N to tick, G grids)
METHODES = {int(m): (r["x"], r["y"], r["n"], r["g"]) for m, r in _D["methodes"].items()}

# Methods whose wheel keeps its promise for all but a few combinations:
# number: (this many combinations, out of this many, get one fewer).
EXCEPTIONS = {int(m): tuple(v) for m, v in _D["exceptions"].items()}

# The order of the program's method list, first entry first.
ORDRE_LISTE = _D["ordre_fr"]
ORDRE_LISTE_EN = _D["ordre_en"]

# Top-left corner of each number's cell in the panel that holds the block picture.
CELLULES = {int(n): tuple(p) for n, p in _D["cellules"].items()}


def libfr(m):
    return _D["methodes"][str(m)]["libfr"]


def libang(m):
    return _D["methodes"][str(m)]["libang"]

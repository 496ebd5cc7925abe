#!/usr/bin/env bash
# Plants includes that break the layers, one at a time, in a scratch copy of the sources, and
# expects the checker to refuse each, naming the file and the header; the copy as it is must pass.
# Usage: fuites.sh SOURCES LAYERS WORK
set -euo pipefail
ici=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
racine=$1
couches=$2
travail=$3
echec() {
    echo "FAIL: $*" >&2
    exit 1
}

copie=$travail/sources
rm -rf "$travail"
mkdir -p "$copie"
tar -C "$racine" --exclude='./build*' --exclude='./.*' -cf - . | tar -C "$copie" -xf -
python3 "$ici/verifie.py" "$copie" "$couches" || echec "the unchanged copy is refused"

# FILE|INCLUDE LINE|what the refusal names
while IFS='|' read -r fichier inclusion attendu; do
    cp "$copie/$fichier" "$travail/avant"
    echo "$inclusion" >> "$copie/$fichier"
    if python3 "$ici/verifie.py" "$copie" "$couches" > "$travail/sortie"; then
        echec "$fichier: $inclusion accepted"
    fi
    grep -q "^$fichier:[0-9]*: .*$attendu" "$travail/sortie" || echec "$fichier: $inclusion: $(cat "$travail/sortie")"
    cp "$travail/avant" "$copie/$fichier"
done <<'FUITES'
printing/impression.cpp|#include "printer/cups.h"|printing may not use printer
app/reglages.cpp|#include "printer/lancement.h"|app may not use printer
windows/historique.cpp|#include "storage/basetirages.h"|storage/basetirages.h is storage's own header
printer/cups.cpp|#include "windows/principale.h"|printer may not use windows
analysis/analyse.h|#include "history/tirage.h"|analysis may not use history
engine/serie.cpp|#include <QString>|engine holds no Qt
windows/outils.cpp|#include "tests/support/doubles.h"|which belongs to no library
FUITES
echo "every planted include refused"

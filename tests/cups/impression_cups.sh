#!/usr/bin/env bash
# Prints known jobs through a real CUPS queue that writes PDF files (cups-pdf), then checks every
# mark and line of the PDF pages against the slip geometry.
#   impression_cups.sh <pilote_impression> <output folder>
# Needs root to start cupsd and add the queue. When CUPS cannot be used at all the test fails,
# unless VORMIGRAL_SANS_CUPS=1, which makes it a skip (exit 77).
set -euo pipefail
pilote=$1
sortie=$2
file=PDF

impossible() {
    echo "CUPS unavailable: $*" >&2
    if [ "${VORMIGRAL_SANS_CUPS:-}" = 1 ]; then
        echo "VORMIGRAL_SANS_CUPS=1: skipped"
        exit 77
    fi
    exit 1
}

command -v cupsd > /dev/null || impossible "cupsd is not installed"
command -v lpadmin > /dev/null || impossible "lpadmin is not installed"
[ -x /usr/lib/cups/backend/cups-pdf ] || impossible "the cups-pdf backend is not installed"
command -v pdftotext > /dev/null || { echo "pdftotext missing (poppler-utils)" >&2; exit 1; }

demarre=""
defaut_avant=""
file_creee=""
nettoie() {
    if [ -n "$file_creee" ]; then
        lpadmin -x "$file" 2> /dev/null || true
    elif [ -n "$defaut_avant" ] && [ "$defaut_avant" != "$file" ]; then
        lpadmin -d "$defaut_avant" 2> /dev/null || true
    fi
    if [ -n "$demarre" ]; then
        kill "$demarre" 2> /dev/null || true
        wait "$demarre" 2> /dev/null || true
    fi
}
trap nettoie EXIT

if ! lpstat -r 2> /dev/null | grep -q "is running"; then
    [ "$(id -u)" = 0 ] || impossible "the scheduler is not running and only root may start it"
    cupsd -f &
    demarre=$!
    for _ in $(seq 1 100); do
        lpstat -r 2> /dev/null | grep -q "is running" && break
        kill -0 "$demarre" 2> /dev/null || impossible "cupsd stopped at once"
        sleep 0.05
    done
    lpstat -r 2> /dev/null | grep -q "is running" || impossible "cupsd did not answer"
fi

defaut_avant=$(lpstat -d 2> /dev/null | sed -n 's/^system default destination: //p')
lpstat -p "$file" > /dev/null 2>&1 || file_creee=1
# Without the pdftocairo renderer the PDF text turns into Type 3 fonts that pdftotext cannot read.
lpadmin -p "$file" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>&1 | grep -v -i deprecated || true
lpstat -p "$file" > /dev/null 2>&1 || impossible "cannot add the cups-pdf queue"
lpadmin -p "$file" -o pdftops-renderer-default=pdftocairo
lpadmin -d "$file"
lpstat -d | grep -q ": $file\$" || impossible "cannot make $file the default printer"

accueil=$(getent passwd "$(id -un)" | cut -d: -f6)
pdfs="$accueil/PDF"
mkdir -p "$pdfs"
avant=$(mktemp)
ls -1 "$pdfs" > "$avant" 2> /dev/null || true

rm -rf "$sortie"
mkdir -p "$sortie"
"$pilote" imprime "$sortie/attentes.txt"

# The jobs leave the queue one by one; each file is complete once it ends with %%EOF.
# One PDF file per job the driver expects.
attendus=$(grep -c '^travail ' "$sortie/attentes.txt")
nouveaux=()
for _ in $(seq 1 600); do
    nouveaux=()
    while IFS= read -r nom; do
        [ -n "$nom" ] || continue
        case "$nom" in *.pdf) ;; *) continue ;; esac
        grep -qxF "$nom" "$avant" && continue
        tail -c 32 "$pdfs/$nom" 2> /dev/null | grep -q '%%EOF' || continue
        nouveaux+=("$nom")
    done < <(ls -1 "$pdfs" 2> /dev/null)
    [ "${#nouveaux[@]}" -ge "$attendus" ] && break
    sleep 0.1
done
rm -f "$avant"
[ "${#nouveaux[@]}" -eq "$attendus" ] || { echo "expected $attendus PDF files in $pdfs, found ${#nouveaux[@]}" >&2; exit 1; }

# In the order the jobs were printed: cups-pdf names each file ...-job_N.pdf.
fichiers=()
while IFS= read -r nom; do
    mv "$pdfs/$nom" "$sortie/"
    fichiers+=("$sortie/$nom")
done < <(printf '%s\n' "${nouveaux[@]}" | sed 's/.*-job_\([0-9]*\)\.pdf$/\1 &/' | sort -n | cut -d' ' -f2-)

"$pilote" verifie "$sortie/attentes.txt" "$sortie" "${fichiers[@]}"

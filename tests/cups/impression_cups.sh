#!/usr/bin/env bash
# Prints known jobs through real CUPS queues that write PDF files (cups-pdf), then checks every mark,
# outline and line of the PDF pages against the slip geometry and the preview; then drives the print
# windows on queues that take jobs, refuse them, are stopped, or have no default among them.
#   impression_cups.sh <pilote_impression> <output folder>
# Runs a scheduler of its own (own configuration, spool and socket), so that neither the machine's
# printers nor another run of this test can change what it sees. Needs root to start it. When CUPS
# cannot be used at all the test fails, unless VORMIGRAL_SANS_CUPS=1, which makes it a skip (exit 77).
# VORMIGRAL_GARDE_CUPS=1 keeps the scheduler's folder, logs included, for a look after a failure.
set -euo pipefail
pilote=$(realpath "$1")
sortie=$(realpath -m "$2")

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
[ "$(id -u)" = 0 ] || impossible "only root may start a scheduler and the cups-pdf backend"
command -v pdftotext > /dev/null || { echo "pdftotext missing (poppler-utils)" >&2; exit 1; }

racine=$(mktemp -d /tmp/vormigral-cups-XXXXXX)
# cups-pdf reads its settings from /etc/cups only: one file named after this run says where the
# queues' PDF files go (the device URI cups-pdf:/<name> selects it).
nomconf=vormigral-$$
conf=/etc/cups/cups-pdf-$nomconf.conf
demarre=""
nettoie() {
    if [ -n "$demarre" ]; then
        kill "$demarre" 2> /dev/null || true
        wait "$demarre" 2> /dev/null || true
    fi
    rm -f "$conf"
    [ -n "${VORMIGRAL_GARDE_CUPS:-}" ] || rm -rf "$racine"
}
trap nettoie EXIT

# The filters run as the scheduler's unprivileged user, which must reach the spool and temporary files.
chmod 755 "$racine"
mkdir -p "$racine"/{etc,spool,cache,state,log,accueil}
install -d -m 1777 "$racine/tmp"
cat > "$racine/etc/cups-files.conf" << EOF
ServerRoot $racine/etc
RequestRoot $racine/spool
CacheDir $racine/cache
StateDir $racine/state
TempDir $racine/tmp
ErrorLog $racine/log/error_log
AccessLog $racine/log/access_log
PageLog $racine/log/page_log
EOF
cat > "$racine/etc/cupsd.conf" << EOF
Listen $racine/cups.sock
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
export CUPS_SERVER=$racine/cups.sock
# No user's own default printer (lpoptions) may stand in for the system's.
export HOME=$racine/accueil
unset PRINTER LPDEST

cupsd -f -c "$racine/etc/cupsd.conf" -s "$racine/etc/cups-files.conf" &
demarre=$!
for _ in $(seq 1 100); do
    lpstat -r 2> /dev/null | grep -q "is running" && break
    kill -0 "$demarre" 2> /dev/null || impossible "cupsd stopped at once"
    sleep 0.05
done
lpstat -r 2> /dev/null | grep -q "is running" || impossible "cupsd did not answer"

rm -rf "$sortie"
mkdir -p "$sortie/pdf"
pdfs=$sortie/pdf
export VORMIGRAL_SORTIE_PDF=$pdfs
echo "Out $pdfs" > "$conf"

ajoute() {
    # Without the pdftocairo renderer the PDF text turns into Type 3 fonts that pdftotext cannot read.
    lpadmin -p "$1" -E -v "cups-pdf:/$nomconf" -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>&1 | grep -v -i deprecated || true
    lpstat -p "$1" > /dev/null 2>&1 || impossible "cannot add the cups-pdf queue $1"
    lpadmin -p "$1" -o pdftops-renderer-default=pdftocairo
}
ajoute PDF
lpadmin -d PDF
lpstat -d | grep -q ": PDF\$" || impossible "cannot make PDF the default printer"

"$pilote" imprime "$sortie/attentes.txt"

# Each job's file is complete once it ends with %%EOF; one file per job the driver expects.
attendus=$(grep -c '^travail ' "$sortie/attentes.txt")
nouveaux=()
for _ in $(seq 1 600); do
    nouveaux=()
    while IFS= read -r nom; do
        [ -n "$nom" ] || continue
        tail -c 32 "$pdfs/$nom" 2> /dev/null | grep -q '%%EOF' || continue
        nouveaux+=("$nom")
    done < <(ls -1 "$pdfs" 2> /dev/null | grep '\.pdf$' || true)
    [ "${#nouveaux[@]}" -ge "$attendus" ] && break
    sleep 0.1
done
[ "${#nouveaux[@]}" -eq "$attendus" ] || { echo "expected $attendus PDF files in $pdfs, found ${#nouveaux[@]}" >&2; exit 1; }

# In the order the jobs were printed: cups-pdf names each file ...-job_N.pdf.
fichiers=()
while IFS= read -r nom; do
    mv "$pdfs/$nom" "$sortie/"
    fichiers+=("$sortie/$nom")
done < <(printf '%s\n' "${nouveaux[@]}" | sed 's/.*-job_\([0-9]*\)\.pdf$/\1 &/' | sort -n | cut -d' ' -f2-)

"$pilote" verifie "$sortie/attentes.txt" "$sortie" "${fichiers[@]}"

# The print windows: a queue that takes jobs (the default), one that refuses them, a stopped one;
# and the print run that keeps the window alive, on the first two.
ajoute REFUS
cupsreject -r "Bac vide" REFUS
ajoute ARRET
cupsdisable -r "Capot ouvert" ARRET
"$pilote" fenetres refus acceptation choix lanceur calage

# Queues without a default among them.
for file in PDF REFUS ARRET; do lpadmin -x "$file"; done
ajoute DEUX
ajoute TROIS
if lpstat -d 2> /dev/null | grep -q "system default destination:"; then
    echo "a default printer is still set" >&2
    exit 1
fi
"$pilote" fenetres sansdefaut

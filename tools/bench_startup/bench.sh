#!/usr/bin/env bash
# Start-up of VORMIGRAL against a bare Qt window and a richer baseline, first in an ordinary start
# folder, then in one of 5,200 entries: CPU time and peak memory to the first painted main window
# under Xvfb, and the instructions callgrind counts (offscreen). Profiles stay in
# build/bench_startup/<folder>/ for callgrind_annotate.
# Usage: bench.sh [--tours N] [--sans-callgrind]; BENCH_DEMARRAGE_BAVARD=1 keeps what the programs print.
# Needs Xvfb (package xvfb, in tools/paquets.txt) and, for the counts, valgrind, which
# the build and the tests do not need: apt-get install valgrind.
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${VORMIGRAL_BUILD:-$racine/build}
tours=60
callgrind=1
while [ $# -gt 0 ]; do
    case $1 in
    --tours) tours=$2; shift 2 ;;
    --sans-callgrind) callgrind=0; shift ;;
    *) echo "usage: bench.sh [--tours N] [--sans-callgrind]" >&2; exit 2 ;;
    esac
done

cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" --target vormigral bench_startup bench_startup_baseline > /dev/null

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
# As in a desktop session, where Qt finds its runtime folder without looking for one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$travail/execution
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi
# VORMIGRAL reads its settings beside its executable: a copy with settings of its own neither opens
# the first-run language chooser nor touches the user's settings.
cp "$build/vormigral" "$travail/"
printf '\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0' > "$travail/VORMIG.PAR"
mkdir -p "$travail/ordinaire/documents" "$travail/grand"
touch "$travail/ordinaire/"{notes.txt,grille,photo.png}
(cd "$travail/grand" && mkdir $(seq -f 'dossier%04g' 200) && touch $(seq -f 'fichier%04g' 5000))

# A server of our own, numbered by itself (xvfb-run -a races with servers started meanwhile), that
# does not reset whenever its last client leaves (a start arriving then would find no display).
exec {numero}<> <(:)
Xvfb -displayfd "$numero" -screen 0 1024x768x24 -nolisten tcp -noreset 2> /dev/null &
serveur=$!
trap 'kill "$serveur" 2> /dev/null; rm -rf "$travail"' EXIT
read -r -u "$numero" affichage
export DISPLAY=:$affichage

for dossier in ordinaire grand; do
    options=(--programme "$travail/vormigral" --temoin "$build/tools/bench_startup/bench_startup_baseline"
             --dossier "$travail/$dossier" --tours "$tours")
    if [ "$callgrind" = 1 ]; then
        mkdir -p "$build/bench_startup/$dossier"
        options+=(--callgrind "$build/bench_startup/$dossier")
    fi
    "$build/tools/bench_startup/bench_startup" "${options[@]}"
    echo
done

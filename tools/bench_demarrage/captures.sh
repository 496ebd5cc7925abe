#!/usr/bin/env bash
# Pictures of the main window and the grid viewer as a user sees them under Xvfb, at 1x and 2x, to
# compare the windows before and after a change of the start-up: the main window with seven numbers
# ticked (the first method of the list takes seven), the viewer it opens, and the comparison window
# with a selector's list open.
# Usage: captures.sh OUTDIR   writes OUTDIR/principale-1x.png, visionneuse-1x.png, ...-2x.png
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${VORMIGRAL_BUILD:-$racine/build}
sortie=$(realpath -m "$1")
mkdir -p "$sortie"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
cp "$build/vormigral" "$travail/"
printf '\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0' > "$travail/VORMIG.PAR"

capture() { # WINDOW FILE
    local x y largeur hauteur
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/\1=/p')"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

seance() { # SCALE
    local e=$1 fenetre visu hauteur barre
    (cd "$travail" && exec env QT_SCALE_FACTOR="$e" ./vormigral 2>/dev/null) &
    programme=$!
    fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name '^VORMIGRAL$' | head -1)
    sleep 1
    # The 619 x 375 client area sits under the menu bar; the block of numbers at 30,59 within it.
    eval "$(xdotool getwindowgeometry --shell "$fenetre" | grep HEIGHT)"
    barre=$((HEIGHT / e - 375))
    for n in 3 8 14 22 31 40 47; do
        read -r cx cy < <(cellule "$n")
        xdotool mousemove --window "$fenetre" $(((30 + cx + 7) * e)) $(((barre + 59 + cy + 10) * e)) click 1
    done
    sleep 0.5
    capture "$fenetre" "$sortie/principale-${e}x.png"
    xdotool mousemove --window "$fenetre" $(((293 + 146) * e)) $(((barre + 106 + 15) * e)) click 1
    visu=$(timeout 20 xdotool search --sync --onlyvisible --name '^Bulletins à cocher$' | head -1)
    sleep 1
    capture "$visu" "$sortie/visionneuse-${e}x.png"
    xdotool key Escape
    sleep 0.3
    # The comparison window, its first selector's list open.
    xdotool mousemove --window "$fenetre" $(((293 + 146) * e)) $(((barre + 176 + 15) * e)) click 1
    comparaison=$(timeout 20 xdotool search --sync --onlyvisible --name '^Analyser Résultats$' | head -1)
    sleep 1
    xdotool mousemove --window "$comparaison" $((87 * e)) $((52 * e)) click 1
    sleep 1
    capture "$comparaison" "$sortie/comparaison-${e}x.png"
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
    sleep 0.3
    xdotool mousemove --window "$fenetre" $(((453 + 66) * e)) $(((barre + 282 + 34) * e)) click 1
    wait "$programme"
}

# Cell places inside the block, from the program's own data.
"$build/tools/donnees" > "$travail/donnees.json"
cellule() {
    python3 -c 'import json,sys; print(*json.load(open(sys.argv[1]))["cellules"][sys.argv[2]])' \
        "$travail/donnees.json" "$1"
}
for e in 1 2; do
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "$((1024 * e))x$((768 * e))x24" -nolisten tcp -noreset 2>/dev/null &
    serveur=$!
    read -r -u "$fd" numero
    DISPLAY=:$numero seance "$e"
    kill "$serveur"
    wait "$serveur" 2>/dev/null || true
done
ls "$sortie"

#!/usr/bin/env bash
# Pictures of the nine windows made at start-up as a user sees them under Xvfb, at 1x and 2x, to
# compare them before and after a change of the start-up (compare -metric AE A B null:): the main
# window with seven numbers ticked (the first method of the list takes seven), the viewer, the
# list, the print dialog, the comparison window with a selector's list open, the about box, the
# parameters, the file chooser, and the language chooser of a first run.
# Usage: captures.sh OUTDIR   writes OUTDIR/principale-1x.png, visionneuse-1x.png, ...-2x.png
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${VORMIGRAL_BUILD:-$racine/build}
sortie=$(realpath -m "$1")
mkdir -p "$sortie"
# The file chooser shows its start folder's path and lists it: the same for every build compared.
travail=${TMPDIR:-/tmp}/vormigral-captures
rm -rf "$travail"
trap 'rm -rf "$travail"' EXIT
mkdir -p "$travail/connu" "$travail/premier"
cp "$build/vormigral" "$travail/connu/"
cp "$build/vormigral" "$travail/premier/"
printf '\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0' > "$travail/connu/VORMIG.PAR"

capture() { # WINDOW FILE
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/\1=/p')"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

attends() { # TITLE: the window shown under that title
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1
}

# Waits for the dialog opened by what was just done, takes it and closes it with Escape; KEY is
# pressed first, to take the focus out of a text field whose cursor blinks.
dialogue() { # TITLE NAME SCALE [KEY]
    local fenetre
    fenetre=$(attends "$1")
    sleep 1
    if [ $# -gt 3 ]; then
        xdotool key "$4"
        sleep 0.5
    fi
    capture "$fenetre" "$sortie/$2-$3x.png"
    xdotool key Escape
    sleep 0.5
}

seance() { # SCALE
    local e=$1 fenetre HEIGHT barre
    (cd "$travail/connu" && exec env QT_SCALE_FACTOR="$e" ./vormigral 2>/dev/null) &
    programme=$!
    fenetre=$(attends VORMIGRAL)
    sleep 1
    # The 619 x 375 client area sits under the menu bar; the block of numbers at 30,59 within it.
    eval "$(xdotool getwindowgeometry --shell "$fenetre" | grep HEIGHT)"
    barre=$((HEIGHT / e - 375))
    clic() { # X Y within the client area
        xdotool mousemove --window "$fenetre" $(($1 * e)) $(((barre + $2) * e)) click 1
    }
    # Without a window manager a closed dialog leaves the focus nowhere: keys go to the main window.
    touches() { # KEY...
        xdotool windowfocus --sync "$fenetre"
        for touche in "$@"; do
            xdotool key "$touche"
            sleep 0.5
        done
    }
    for n in 3 8 14 22 31 40 47; do
        read -r cx cy < <(cellule "$n")
        clic $((30 + cx + 7)) $((59 + cy + 10))
    done
    sleep 0.5
    capture "$fenetre" "$sortie/principale-${e}x.png"
    clic $((293 + 146)) $((106 + 15))
    dialogue "Bulletins à cocher" visionneuse "$e"
    clic $((293 + 72)) $((141 + 15))
    dialogue "Liste des bulletins à cocher" liste "$e"
    clic $((441 + 72)) $((140 + 16))
    dialogue "Imprimer les bulletins" impression "$e"
    # The comparison window, its first selector's list open.
    clic $((293 + 146)) $((176 + 15))
    comparaison=$(attends "Analyser Résultats")
    sleep 1
    xdotool mousemove --window "$comparaison" $((87 * e)) $((52 * e)) click 1
    sleep 1
    capture "$comparaison" "$sortie/comparaison-${e}x.png"
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
    sleep 0.5
    clic $((16 + 14)) $((13 + 14))
    dialogue "A propos" apropos "$e"
    touches alt+o p
    dialogue "Paramètres" parametres "$e" shift+Tab
    touches ctrl+o
    dialogue "Sélectionnez le fichier à charger" choixfichier "$e"
    clic $((453 + 66)) $((282 + 34))
    wait "$programme"

    # Without settings, the first activation opens the language chooser.
    (cd "$travail/premier" && exec env QT_SCALE_FACTOR="$e" ./vormigral 2>/dev/null) &
    programme=$!
    fenetre=$(attends "Langue - Language")
    sleep 1
    capture "$fenetre" "$sortie/choixlangue-${e}x.png"
    kill "$programme"
    wait "$programme" 2>/dev/null || true
}

# Cell places inside the block, from the program's own data.
"$build/tools/programdata/programdata" > "$travail/donnees.json"
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

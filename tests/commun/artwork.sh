#!/usr/bin/env bash
# The help, the slip picture and the README state the program's data (catalogue, list order,
# shortfalls, cells). Regenerates the first two from what the program prints and checks that they
# are the committed files byte for byte, and that the README's count of shortfalls is the program's.
# Usage: artwork.sh DONNEES_EXECUTABLE SOURCE_DIR OUTPUT_DIR
set -euo pipefail
outil=$1
racine=$2
sortie=$3
mkdir -p "$sortie"
"$outil" > "$sortie/donnees.json"
export VORMIGRAL_DONNEES=$sortie/donnees.json
python3 "$racine/tools/artwork/aide.py" "$sortie/vormigral.html"
python3 "$racine/tools/artwork/bulletin.py" "$sortie/bulletin.svg"
echec=0
for paire in "vormigral.html:resources/aide/vormigral.html" "bulletin.svg:resources/images/bulletin.svg"; do
    if ! cmp -s "$sortie/${paire%%:*}" "$racine/${paire#*:}"; then
        echo "${paire#*:} differs from what tools/artwork makes of the program's data:" >&2
        diff "$racine/${paire#*:}" "$sortie/${paire%%:*}" | head -20 >&2 || true
        echec=1
    fi
done
phrase=$(python3 - "$sortie/donnees.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
m = sorted(int(k) for k in d["exceptions"])
n = [str(d["exceptions"][str(k)][0]) for k in m]
def et(xs):
    return ", ".join(xs[:-1]) + " and " + xs[-1] if len(xs) > 1 else xs[0]
print(f"methods {et([str(k) for k in m])} fall short, for {et(n)} combinations")
PY
)
if ! tr '\n' ' ' < "$racine/README.md" | tr -s ' ' | grep -qF "$phrase"; then
    echo "README.md should say: \"$phrase\"" >&2
    echec=1
fi
exit $echec

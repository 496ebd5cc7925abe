#!/usr/bin/env bash
# Installs the Debian packages of the named lists under tools/ (default: paquets.txt) that are
# missing; needs root when any is.
set -euo pipefail
ici=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -gt 0 ] || set -- paquets.txt
manquants=()
for liste in "$@"; do
    while read -r paquet; do
        paquet=${paquet%%#*}
        paquet=$(echo "$paquet" | tr -d '[:space:]')
        [ -n "$paquet" ] || continue
        if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
            manquants+=("$paquet")
        fi
    done < "$ici/$liste"
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installing: ${manquants[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

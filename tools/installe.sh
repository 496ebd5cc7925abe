#!/usr/bin/env bash
# Installs the Debian packages of tools/paquets.txt that are missing; needs root when any is.
set -euo pipefail
ici=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
manquants=()
while read -r paquet; do
    paquet=${paquet%%#*}
    paquet=$(echo "$paquet" | tr -d '[:space:]')
    [ -n "$paquet" ] || continue
    if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$paquet")
    fi
done < "$ici/paquets.txt"
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installing: ${manquants[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

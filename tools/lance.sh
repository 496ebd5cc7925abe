#!/usr/bin/env bash
# Installs what is missing, builds the program alone, and starts VORMIGRAL.
set -euo pipefail
ici=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bash "$ici/installe.sh" paquets.txt
bash "$ici/construit.sh" vormigral
exec "${VORMIGRAL_BUILD:-$ici/../build}/vormigral" "$@"

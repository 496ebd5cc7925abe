#!/usr/bin/env bash
# Installs what is missing, builds, and starts VORMIGRAL.
set -euo pipefail
ici=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bash "$ici/installe.sh"
bash "$ici/construit.sh"
exec "${VORMIGRAL_BUILD:-$ici/../build}/vormigral"

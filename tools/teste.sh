#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test (no display needed).
set -euo pipefail
ici=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bash "$ici/installe.sh" paquets.txt paquets-tests.txt
bash "$ici/construit.sh"
build=${VORMIGRAL_BUILD:-$ici/../build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (no display needed); then builds the
# engine and window tests again under AddressSanitizer and UndefinedBehaviorSanitizer and runs
# them, where any report fails the run.
set -euo pipefail
ici=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
racine=$(cd "$ici/.." && pwd)
bash "$ici/installe.sh" paquets.txt paquets-tests.txt
bash "$ici/construit.sh"
build=${VORMIGRAL_BUILD:-$racine/build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

asan=${VORMIGRAL_BUILD_ASAN:-$racine/build-asan}
cmake -S "$racine" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORMIGRAL_SANITIZE=ON > /dev/null
cmake --build "$asan" -j "$(nproc)"
ctest --test-dir "$asan" --output-on-failure -j "$(nproc)"

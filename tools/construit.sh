#!/usr/bin/env bash
# Configures and builds into build/ (or $VORMIGRAL_BUILD): the named targets, else everything.
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VORMIGRAL_BUILD:-$racine/build}
cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j "$(nproc)" ${1:+--target "$@"}

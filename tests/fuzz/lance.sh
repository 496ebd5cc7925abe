#!/usr/bin/env bash
# Builds the grid-file loader's fuzz target with clang into the build tree, then runs it.
# Usage: lance.sh CLANGXX SOURCE_DIR OUTPUT_DIR MODE
#   MODE "runs=N": N inputs with a fixed seed, starting from a fresh copy of the committed seeds, so
#                  every run of the suite tries the same inputs (what ctest runs).
#   MODE "exploration": an open exploration for $VORMIGRAL_FUZZ_SECONDES seconds (600 unless set) that
#                  keeps what it finds in OUTPUT_DIR/corpus (the `fuzz_exploration` target; findings
#                  land in OUTPUT_DIR/artefacts).
set -euo pipefail
clang=$1
racine=$2
sortie=$3
mode=$4

if [ -z "$clang" ] || ! command -v "$clang" > /dev/null; then
    echo "clang++ not found: the fuzz test needs Debian's clang and libclang-rt-14-dev (tools/installe.sh)." >&2
    exit 1
fi

sources=("$racine/tests/fuzz/fuzz_fichiergrille.cpp" "$racine/files/fichiergrille.cpp" "$racine/files/ecriture.cpp"
         "$racine/engine/octets.cpp")
cible=$sortie/fuzz_fichiergrille
mkdir -p "$sortie/artefacts"

a_refaire=0
[ -x "$cible" ] || a_refaire=1
for f in "${sources[@]}" "$racine/files/fichiergrille.h" "$racine/files/ecriture.h" "$racine/engine/octets.h" \
    "$racine/engine/fichegrille.h"; do
    [ "$f" -nt "$cible" ] && a_refaire=1
done
if [ "$a_refaire" = 1 ]; then
    "$clang" -std=c++17 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -I"$racine" "${sources[@]}" -o "$cible"
fi

options=(-max_len=1024 -timeout=10 -rss_limit_mb=1024 -artifact_prefix="$sortie/artefacts/" -print_final_stats=1)
case "$mode" in
runs=*)
    # libFuzzer writes what it finds into its first folder: a scratch copy, never the committed seeds.
    rm -rf "$sortie/corpus-suite"
    cp -r "$racine/tests/fuzz/graines" "$sortie/corpus-suite"
    exec "$cible" -runs="${mode#runs=}" -seed=1 "${options[@]}" "$sortie/corpus-suite"
    ;;
exploration)
    mkdir -p "$sortie/corpus"
    exec "$cible" -max_total_time="${VORMIGRAL_FUZZ_SECONDES:-600}" "${options[@]}" "$sortie/corpus" "$racine/tests/fuzz/graines"
    ;;
*)
    echo "unknown mode: $mode" >&2
    exit 2
    ;;
esac

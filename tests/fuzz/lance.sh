#!/usr/bin/env bash
# Builds the grid-file loader's fuzz target with clang into the build tree, then runs it briefly on
# the committed seeds. Usage: lance.sh CLANGXX SOURCE_DIR OUTPUT_DIR [SECONDS]
# A longer run: VORMIGRAL_FUZZ_SECONDES=600 ctest -R fuzz (findings land in OUTPUT_DIR/artefacts).
set -euo pipefail
clang=$1
racine=$2
sortie=$3
secondes=${VORMIGRAL_FUZZ_SECONDES:-${4:-20}}

if [ -z "$clang" ] || ! command -v "$clang" > /dev/null; then
    echo "clang++ not found: the fuzz test needs Debian's clang and libclang-rt-14-dev (tools/installe.sh)." >&2
    exit 1
fi

sources=("$racine/tests/fuzz/fuzz_fichiergrille.cpp" "$racine/files/fichiergrille.cpp" "$racine/files/ecriture.cpp"
         "$racine/engine/octets.cpp")
cible=$sortie/fuzz_fichiergrille
mkdir -p "$sortie/corpus" "$sortie/artefacts"

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

# One process on one core; new inputs go to the build tree's corpus, never to the committed seeds.
exec "$cible" -max_total_time="$secondes" -max_len=1024 -timeout=10 -rss_limit_mb=1024 \
    -artifact_prefix="$sortie/artefacts/" -print_final_stats=1 "$sortie/corpus" "$racine/tests/fuzz/graines"

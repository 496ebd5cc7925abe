#!/usr/bin/env bash
# Builds one fuzz target with clang into the build tree, then runs it.
# Usage: lance.sh CLANGXX SOURCE_DIR OUTPUT_DIR TARGET MODE SOURCE...
#   TARGET names tests/fuzz/fuzz_TARGET.cpp and its seeds tests/fuzz/graines/TARGET; the SOURCEs
#   (relative to SOURCE_DIR) are the program's files it tests.
#   MODE "runs=N": N inputs with a fixed seed, starting from a fresh copy of the committed seeds, so
#                  every run tries the same inputs (what ctest runs; the 10-million run by hand).
#   MODE "exploration": an open exploration for $VORMIGRAL_FUZZ_SECONDES seconds (600 unless set) that
#                  keeps what it finds in OUTPUT_DIR/corpus (findings land in OUTPUT_DIR/artefacts).
set -euo pipefail
clang=$1
racine=$2
sortie=$3
nom=$4
mode=$5
shift 5

if [ -z "$clang" ] || ! command -v "$clang" > /dev/null; then
    echo "clang++ not found: the fuzz tests need Debian's clang and libclang-rt-14-dev (tools/installe.sh)." >&2
    exit 1
fi

sources=("$racine/tests/fuzz/fuzz_$nom.cpp")
for f in "$@"; do
    sources+=("$racine/$f")
done
graines=$racine/tests/fuzz/graines/$nom
cible=$sortie/fuzz_$nom
mkdir -p "$sortie/artefacts"

# Rebuilt when a source or a header beside one changed.
a_refaire=0
[ -x "$cible" ] || a_refaire=1
for f in "${sources[@]}" "$racine/tests/fuzz/commun.h"; do
    for g in "$f" "$(dirname "$f")"/*.h; do
        [ "$g" -nt "$cible" ] && a_refaire=1
    done
done
if [ "$a_refaire" = 1 ]; then
    "$clang" -std=c++17 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined \
        -fno-sanitize-recover=undefined -I"$racine" "${sources[@]}" -o "$cible"
fi

# The targets that read files rewrite one scratch file per input: in memory it goes far faster.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

options=(-max_len=1024 -timeout=10 -rss_limit_mb=1024 -artifact_prefix="$sortie/artefacts/" -print_final_stats=1)
case "$mode" in
runs=*)
    # libFuzzer writes what it finds into its first folder: a scratch copy, never the committed seeds.
    rm -rf "$sortie/corpus-suite"
    cp -r "$graines" "$sortie/corpus-suite"
    exec "$cible" -runs="${mode#runs=}" -seed=1 "${options[@]}" "$sortie/corpus-suite"
    ;;
exploration)
    mkdir -p "$sortie/corpus"
    exec "$cible" -max_total_time="${VORMIGRAL_FUZZ_SECONDES:-600}" "${options[@]}" "$sortie/corpus" "$graines"
    ;;
*)
    echo "unknown mode: $mode" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Runs a test executable as an unprivileged user, so that checks of read-only files and folders
# really run where the suite runs as root (root writes through permissions). Usage:
#   sansprivileges.sh EXECUTABLE [ARGS...]
# Not root: nothing to add to the normal run, so the test is skipped (exit 77).
set -euo pipefail
executable=$1
shift
if [ "$(id -u)" != 0 ]; then
    echo "not root: the normal run already covers this user"
    exit 77
fi
utilisateur=nobody
groupe=$(id -gn "$utilisateur")
# A copy in a folder the user can reach, whatever the permissions above the build tree.
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
chmod 755 "$dossier"
cp "$executable" "$dossier/"
# The user's temporary files stay in its own home, removed with it.
mkdir -p "$dossier/home/tmp"
chown -R "$utilisateur:$groupe" "$dossier/home"
exec setpriv --reuid="$utilisateur" --regid="$groupe" --clear-groups \
    env HOME="$dossier/home" XDG_RUNTIME_DIR="$dossier/home" TMPDIR="$dossier/home/tmp" \
    QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT="${QTEST_FUNCTION_TIMEOUT:-20000}" \
    "$dossier/$(basename "$executable")" "$@"

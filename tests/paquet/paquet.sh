#!/usr/bin/env bash
# Builds the Debian package, validates it, checks its tree, and starts the unpacked program under
# a virtual X server with a read-only program folder: its settings must land in the user's
# configuration folder.
#   paquet.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail
build=$1
travail=$2
version=$3
echec() {
    echo "FAIL: $*" >&2
    exit 1
}

[ -d "$travail" ] && chmod -R u+w "$travail"
rm -rf "$travail"
mkdir -p "$travail"
(cd "$build" && cpack -G DEB -B "$travail/cpack" > "$travail/cpack.log") || {
    cat "$travail/cpack.log"
    echec "cpack"
}
deb=$travail/cpack/vormigral_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || echec "no package $deb"
[ "$(dpkg-deb -f "$deb" Package Version Section)" = "Package: vormigral
Version: $version
Section: games" ] || echec "control fields: $(dpkg-deb -f "$deb" Package Version Section)"
for dependance in libqt6widgets6 libqt6printsupport6 libqt6sql6 libqt6sql6-sqlite libqt6svg6 libcups2 fonts-dejavu-core \
    fonts-liberation; do
    dpkg-deb -f "$deb" Depends | grep -qw "$dependance" || echec "Depends lacks $dependance"
done

# lintian fails on errors only; its warnings and notes stay in the log.
lintian --fail-on error "$deb" > "$travail/lintian.log" 2>&1 || {
    cat "$travail/lintian.log"
    echec "lintian reports errors"
}
cat "$travail/lintian.log"

racine=$travail/racine
dpkg-deb -x "$deb" "$racine"
usr=$racine/usr
programme=$usr/games/vormigral
[ -x "$programme" ] || echec "no program in usr/games"
for fichier in share/applications/vormigral.desktop share/metainfo/vormigral.metainfo.xml \
    share/icons/hicolor/scalable/apps/vormigral.svg share/man/man6/vormigral.6.gz \
    share/doc/vormigral/copyright share/doc/vormigral/changelog.gz share/doc/vormigral/vormigral.html; do
    [ -s "$usr/$fichier" ] || echec "missing $fichier"
done
# Printing, the draw history and the CUPS client are linked like any library, so the package's
# dependencies follow them; the program opens no library of its own at run time.
for bibliotheque in libQt6PrintSupport.so.6 libQt6Sql.so.6 libcups.so.2; do
    readelf -d "$programme" | grep -q "(NEEDED).*\[$bibliotheque\]" || echec "the program does not link $bibliotheque"
done
! nm -D --undefined-only "$programme" | grep -qw dlopen || echec "the program opens libraries itself (dlopen)"
[ ! -e "$usr/lib" ] || echec "libraries of its own in the package: $(find "$usr/lib")"
for cote in 16 22 24 32 48 64 128 256; do
    file "$usr/share/icons/hicolor/${cote}x${cote}/apps/vormigral.png" | grep -q "PNG image data, $cote x $cote," ||
        echec "icon ${cote}x${cote}"
done
desktop-file-validate "$usr/share/applications/vormigral.desktop" || echec "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/vormigral.metainfo.xml" > "$travail/appstream.log" 2>&1 || true
cat "$travail/appstream.log"
grep -q "^E:" "$travail/appstream.log" && echec "appstreamcli reports errors"
grep -qiE "validation (was successful|failed)" "$travail/appstream.log" || echec "appstreamcli did not validate"

# Every place that states the version states the project's.
[ "$("$programme" --version)" = "vormigral $version" ] || echec "--version: $("$programme" --version)"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/vormigral.metainfo.xml" || echec "AppStream release"
zcat "$usr/share/man/man6/vormigral.6.gz" | grep -q "^\.TH VORMIGRAL 6 .*\"vormigral $version\"" || echec "man page"
zcat "$usr/share/doc/vormigral/changelog.gz" | head -1 | grep -q "^vormigral ($version)" || echec "changelog"
"$programme" --help | grep -q "^Usage: vormigral" || echec "--help"

# Qt takes its own options; anything else is refused with status 2 and a message on stderr.
set +e
"$programme" -platform offscreen --inconnue > "$travail/sortie" 2> "$travail/erreurs"
statut=$?
set -e
[ $statut -eq 2 ] && [ ! -s "$travail/sortie" ] && grep -q "unrecognized option '--inconnue'" "$travail/erreurs" ||
    echec "unknown option: status $statut, $(cat "$travail/erreurs")"

# The unpacked program, its folders read-only, started by a user with an empty home.
chmod -R a-w "$usr"
export HOME=$travail/maison XDG_RUNTIME_DIR=$travail/execution
unset XDG_CONFIG_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5> "$travail/affichage" 2> /dev/null &
xvfb=$!
trap 'kill $xvfb 2> /dev/null || true; [ -n "${pid:-}" ] && kill $pid 2> /dev/null || true' EXIT
for _ in $(seq 50); do
    [ -s "$travail/affichage" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$travail/affichage")
QT_QPA_PLATFORM=xcb "$programme" 2> "$travail/programme.err" &
pid=$!
fenetre() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1
}
# First start: the language chooser, a dialog that carries the program's icon and window class.
langue=$(fenetre "Langue - Language") || echec "no language window"
xprop -id "$langue" WM_CLASS | grep -q '"vormigral", "VORMIGRAL"' || echec "WM_CLASS $(xprop -id "$langue" WM_CLASS)"
grep -qx "StartupWMClass=VORMIGRAL" "$usr/share/applications/vormigral.desktop" || echec "StartupWMClass"
# The icon property may follow the mapping of the window by a moment on a busy machine.
icone=non
for _ in $(seq 50); do
    xprop -id "$langue" _NET_WM_ICON | grep -q "Icon (64 x 64)" && { icone=oui; break; }
    sleep 0.1
done
[ "$icone" = oui ] || echec "the language window has no icon"
xdotool windowfocus --sync "$langue" key Return
principale=$(fenetre VORMIGRAL) || echec "no main window"
# The draw history opens its storage and makes its base in the user's data folder; Escape closes it.
xdotool windowfocus --sync "$principale" key ctrl+h
historique=$(fenetre "Historique des tirages") || echec "no draw history window"
for _ in $(seq 50); do
    [ -s "$HOME/.local/share/VORMIGRAL/historique.sqlite" ] && break
    sleep 0.1
done
[ -s "$HOME/.local/share/VORMIGRAL/historique.sqlite" ] || echec "the draw history made no base: $(find "$HOME")"
xdotool windowfocus --sync "$historique" key Escape
# Quitter is at 453,282 (132 x 69) of the client area, below the 18-pixel menu bar; it saves the
# settings and ends the program.
xdotool mousemove --window "$principale" $((453 + 66)) $((18 + 282 + 34)) click 1
for _ in $(seq 100); do
    kill -0 $pid 2> /dev/null || break
    sleep 0.1
done
kill -0 $pid 2> /dev/null && echec "the program did not quit"
wait $pid || echec "the program ended with status $?"
pid=
[ -s "$travail/programme.err" ] && echec "the program wrote on stderr: $(cat "$travail/programme.err")"
[ "$(stat -c %s "$HOME/.config/VORMIGRAL/VORMIG.PAR" 2> /dev/null)" = 16 ] ||
    echec "no settings in $HOME/.config/VORMIGRAL: $(find "$HOME")"
[ -z "$(find "$racine" -name VORMIG.PAR)" ] || echec "settings written into the program's tree"
echo "package $deb: valid, installed tree complete, settings per user"

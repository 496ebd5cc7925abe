#!/usr/bin/env bash
# Builds the Debian package, validates it, checks its tree, and starts the unpacked program under
# a virtual X server with a read-only program folder: its settings must land in the user's
# configuration folder.
#   paquet.sh BUILD_DIR WORK_DIR VERSION APPLICATION_ID SOURCE_DIR SITE
set -euo pipefail
build=$1
travail=$2
version=$3
id=$4
sources=$5
site=$6
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

# lintian fails on errors and warnings; its notes (informational tags) stay in the log.
lintian --fail-on error,warning "$deb" > "$travail/lintian.log" 2>&1 || {
    cat "$travail/lintian.log"
    echec "lintian reports errors"
}
cat "$travail/lintian.log"

racine=$travail/racine
dpkg-deb -x "$deb" "$racine"
usr=$racine/usr
programme=$usr/games/vormigral
[ -x "$programme" ] || echec "no program in usr/games"
bureau=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
for fichier in "$bureau" "$metainfo" "$usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "$usr/share/man/man6/vormigral.6.gz" "$usr/share/doc/vormigral/copyright" "$usr/share/doc/vormigral/changelog.gz" \
    "$usr/share/doc/vormigral/vormigral.html"; do
    [ -s "$fichier" ] || echec "missing ${fichier#"$racine"}"
done
# The application id names the desktop entry, the icon, the AppStream data and what the program
# announces as its desktop file (Wayland's app id).
grep -qx "Icon=$id" "$bureau" || echec "the desktop entry's icon is not $id"
grep -q "<id>$id</id>" "$metainfo" || echec "AppStream id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || echec "AppStream launchable"
grep -qaF "$id" "$programme" || echec "the program does not announce $id"
[ -z "$(find "$usr" -name 'vormigral.desktop' -o -name 'vormigral.metainfo.xml' -o -name 'vormigral.png' -o -name 'vormigral.svg')" ] ||
    echec "files still named after the old id"
# The licence: GPL-3.0-or-later, the full text at the top of the sources, the Debian copyright file
# pointing to the system's copy, the AppStream data saying so.
cmp -s "$sources/LICENSE" /usr/share/common-licenses/GPL-3 || echec "LICENSE is not the GPL-3 text"
grep -qx "License: GPL-3.0+" "$usr/share/doc/vormigral/copyright" || echec "copyright: licence"
grep -q "/usr/share/common-licenses/GPL-3" "$usr/share/doc/vormigral/copyright" || echec "copyright: GPL-3 text"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || echec "AppStream licence"
# The project's page, and the screenshot in its repository's docs/ (the raw file of a GitHub one).
grep -q "<url type=\"homepage\">$site</url>" "$metainfo" || echec "AppStream homepage"
capture=$site/docs/fenetre-principale.png
[[ $site =~ ^https://github\.com/([^/]+/[^/]+)/?$ ]] &&
    capture=https://raw.githubusercontent.com/${BASH_REMATCH[1]}/main/docs/fenetre-principale.png
grep -q "<image>$capture</image>" "$metainfo" || echec "AppStream screenshot: not $capture"
[ -s "$sources/docs/fenetre-principale.png" ] || echec "no docs/fenetre-principale.png"
# The sample draw file, uncompressed as examples may be, and named in the manual page.
cmp -s "$sources/tests/donnees/historique-exemple.csv" "$usr/share/doc/vormigral/examples/historique-exemple.csv" ||
    echec "the sample draw file is not shipped"
zcat "$usr/share/man/man6/vormigral.6.gz" > "$travail/vormigral.6"
for mention in 'examples/historique\\-exemple.csv' 'VORMIGRAL/historique.sqlite' 'VORMIGRAL/imprimante'; do
    grep -q "$mention" "$travail/vormigral.6" || echec "the manual page does not name $mention"
done
# Printing, the draw history and the CUPS client are linked like any library, so the package's
# dependencies follow them; the program opens no library of its own at run time.
for bibliotheque in libQt6PrintSupport.so.6 libQt6Sql.so.6 libcups.so.2; do
    readelf -d "$programme" | grep -q "(NEEDED).*\[$bibliotheque\]" || echec "the program does not link $bibliotheque"
done
! nm -D --undefined-only "$programme" | grep -qw dlopen || echec "the program opens libraries itself (dlopen)"
[ ! -e "$usr/lib" ] || echec "libraries of its own in the package: $(find "$usr/lib")"
for cote in 16 22 24 32 48 64 128 256; do
    file "$usr/share/icons/hicolor/${cote}x${cote}/apps/$id.png" | grep -q "PNG image data, $cote x $cote," ||
        echec "icon ${cote}x${cote}"
done
desktop-file-validate "$bureau" || echec "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" > "$travail/appstream.log" 2>&1 || true
cat "$travail/appstream.log"
grep -qE "^(E|W):" "$travail/appstream.log" && echec "appstreamcli reports errors or warnings"
grep -qiE "validation (was successful|failed)" "$travail/appstream.log" || echec "appstreamcli did not validate"

# Every place that states the version states the project's.
[ "$("$programme" --version)" = "vormigral $version" ] || echec "--version: $("$programme" --version)"
grep -q "<release version=\"$version\"" "$metainfo" || echec "AppStream release"
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
# Under X11 the desktop matches windows to the entry by that class, which is not the entry's name:
# StartupWMClass says it.
langue=$(fenetre "Langue - Language") || echec "no language window"
xprop -id "$langue" WM_CLASS | grep -q '"vormigral", "VORMIGRAL"' || echec "WM_CLASS $(xprop -id "$langue" WM_CLASS)"
grep -qx "StartupWMClass=VORMIGRAL" "$bureau" || echec "StartupWMClass"
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

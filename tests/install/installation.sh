#!/usr/bin/env bash
# Installs the build given as $1 (whose application id is $2) into a temporary prefix, validates the desktop entry and
# the AppStream metainfo, checks the icons and starts the installed program once.
set -euo pipefail
build="$1"
id="$2"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fehler=0
pruefe() {  # message, command...
  local text="$1"; shift
  if ! "$@"; then echo "FEHLER: $text"; fehler=1; fi
}

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
pruefe "Programm installiert" test -x "$prefix/bin/quantenpfad"
pruefe "Desktop-Eintrag gültig" desktop-file-validate "$desktop"
pruefe "Metainfo gültig" appstreamcli validate --no-net "$metainfo"
# The same with the screenshots named, as a published build has them.
mkdir "$prefix/mit-bildern"
sed 's#</releases>#</releases>\n  <screenshots><screenshot type="default"><image>https://example.org/start.png</image></screenshot></screenshots>#' \
  "$metainfo" > "$prefix/mit-bildern/$id.metainfo.xml"
pruefe "Metainfo mit Bildschirmfotos gültig" appstreamcli validate --no-net "$prefix/mit-bildern/$id.metainfo.xml"
pruefe "Desktop-Eintrag deutsch" grep -q '^Comment\[de\]=' "$desktop"
pruefe "Kategorien" grep -q '^Categories=Education;Science;Physics;$' "$desktop"
pruefe "Symbol (SVG)" test -s "$prefix/share/icons/hicolor/scalable/apps/quantenpfad.svg"
for n in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${n}x${n}/apps/quantenpfad.png"
  # width and height from the PNG header (bytes 16 to 23, big-endian)
  groesse=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')
  pruefe "Symbol ${n}x${n} (ist ${groesse:-fehlt})" test "$groesse" = "${n}x${n}"
done
pruefe "Lizenz in der Metainfo" grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo"
pruefe "Copyright-Datei (maschinenlesbar)" grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$prefix/share/doc/quantenpfad/copyright"
pruefe "Changelog" gzip -t "$prefix/share/doc/quantenpfad/changelog.gz"
pruefe "Textverzeichnis des Systems" test -d "$prefix/share/quantenpfad/QuantenTexte"

version=$("$prefix/bin/quantenpfad" --version)
pruefe "Version des installierten Programms ($version)" test "$version" = "Quantenpfad 1.0"
status=0
"$prefix/bin/quantenpfad" --seite 0 2>/dev/null || status=$?
pruefe "falsche Seite: Status 2 (ist $status)" test "$status" = 2

exit $fehler

#!/usr/bin/env bash
# Brings the English captions up to date: lupdate reads the tr() strings of each folder's code
# into translations/<folder>_en.ts (new ones unfinished, vanished ones dropped). Fill in the
# unfinished translations (Qt Linguist, or by hand), then build: the build turns each file into
# :/i18n/<folder>_en.qm. With --pruefen nothing is written: the script fails when a string of
# the code has no finished English translation. Folder names after the options limit it to them.
#   scripts/uebersetzen.sh [--pruefen] [folder...]
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)
pruefen=false
if [ "${1:-}" = "--pruefen" ]; then pruefen=true; shift; fi
ordner_liste=("$@")
[ ${#ordner_liste[@]} -gt 0 ] || ordner_liste=(app common guide waves thermal photo atoms franckhertz hydrogen)
fehler=0
for ordner in "${ordner_liste[@]}"; do
  ts=translations/${ordner}_en.ts
  ziel=$ts
  if $pruefen; then
    [ -f "$ts" ] || { echo "$ts: missing"; fehler=1; continue; }
    ziel=$(mktemp --suffix=.ts)
    cp "$ts" "$ziel"
  fi
  "$lupdate" -silent -no-obsolete -locations none -source-language de_DE -target-language en_GB \
    -extensions cpp,h "$ordner" -ts "$ziel"
  if $pruefen; then
    offen=$(grep -c 'type="unfinished"' "$ziel" || true)
    if [ "$offen" -gt 0 ]; then
      echo "$ts: $offen unfinished or missing translations"
      grep -B3 'type="unfinished"' "$ziel" | grep '<source>' | head -20
      fehler=1
    fi
    rm -f "$ziel"
  fi
done
exit $fehler

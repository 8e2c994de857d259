#!/usr/bin/env bash
# Lists what a screen reader finds in the program over the desktop's accessibility bus (AT-SPI):
# the program runs under a private Xvfb with its own session bus; for each view given it starts
# anew and prints every shown element with its role, name and description.
#   scripts/bildschirmleser.sh PROGRAM [VIEW...]
# A VIEW is "start" (the start screen), "seite=N" (the guide on page N) or "fenster=NAME" (a
# simulation window, NAME as for --fenster). Default: start seite=1 fenster=schwarzkoerper
# fenster=franckhertzkurve.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --with-screenreader
programm=$(realpath "${1:?usage: $0 PROGRAM [VIEW...]}")
shift
ansichten=("$@")
[ ${#ansichten[@]} -gt 0 ] || ansichten=(start seite=1 fenster=schwarzkoerper fenster=franckhertzkurve)

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 3>/tmp/qp_anzeige.$$ &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f /tmp/qp_anzeige.$$' EXIT
for _ in $(seq 50); do [ -s /tmp/qp_anzeige.$$ ] && break; sleep 0.1; done
export DISPLAY=":$(cat /tmp/qp_anzeige.$$)"

for ansicht in "${ansichten[@]}"; do
  case "$ansicht" in
    start) argumente=() ;;
    seite=*) argumente=(--seite "${ansicht#seite=}") ;;
    fenster=*) argumente=(--fenster "${ansicht#fenster=}") ;;
    *) echo "unknown view: $ansicht" >&2; exit 2 ;;
  esac
  echo "===== $ansicht"
  QP_PROGRAMM="$programm" QP_ARGUMENTE="${argumente[*]:-}" dbus-run-session -- bash -c '
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 QT_ACCESSIBILITY=1
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    "$QP_PROGRAMM" $QP_ARGUMENTE >/dev/null 2>&1 &
    p=$!
    sleep "${QP_WARTEN:-6}"
    /usr/bin/python3 scripts/bildschirmleser.py quantenpfad || true
    kill $p 2>/dev/null || true
    wait $p 2>/dev/null || true'
done

"""Prints what a screen reader finds in a running program over AT-SPI: every shown element
of its shown windows with its role, name and description (scripts/bildschirmleser.sh)."""
import sys

import pyatspi


def zeigen(knoten, tiefe):
    try:
        zustand = knoten.getState()
        if not zustand.contains(pyatspi.STATE_SHOWING):
            return
        rolle = knoten.getRoleName()
        name = knoten.name or ""
        beschreibung = knoten.description or ""
        if name or beschreibung or rolle in ("push button", "check box", "radio button", "slider",
                                             "combo box", "text", "image", "page tab", "spin button"):
            zeile = f"{'  ' * tiefe}{rolle}: „{name}“"
            if beschreibung:
                zeile += f" – {beschreibung}"
            print(zeile)
        for i in range(knoten.childCount):
            zeigen(knoten.getChildAtIndex(i), tiefe + 1)
    except Exception as fehler:  # an element that went away while it was read
        print(f"{'  ' * tiefe}(not readable: {fehler})")


def main():
    gesucht = sys.argv[1].lower() if len(sys.argv) > 1 else "quantenpfad"
    desktop = pyatspi.Registry.getDesktop(0)
    gefunden = False
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or gesucht not in (app.name or "").lower():
            continue
        gefunden = True
        for k in range(app.childCount):
            zeigen(app.getChildAtIndex(k), 0)
    if not gefunden:
        print("no such program on the accessibility bus")


main()

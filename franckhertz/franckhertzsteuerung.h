// Control builders of the three Franck–Hertz windows: a panel, and a track bar with its
// up-down kept in step under a caption and over its scale line.
#pragma once

#include "bausteine.h"

#include <functional>

namespace FranckHertz {

// A raised panel in the panel colour.
Panel *ErzeugeFeld(QWidget *eltern, int x, int y, int w, int h);

// A track bar (with an up-down at its right end when wanted) under the caption lines and
// over its scale (each label centred on its value); both stay in step and geaendert() runs
// once per new position.
// Returns the height used from y.
struct Regler {
    TrackBar *bar = nullptr;
    UpDown *updown = nullptr;
    int hoehe = 0;
};
Regler ErzeugeRegler(QWidget *eltern, int x, int y, int w, const QStringList &titel,
                     const QList<TrackBar::Marke> &skala, int min, int max, int position, bool mitUpDown,
                     std::function<void()> geaendert);

// Scale marks von, von + schritt, … bis, each showing its value / teiler; the last one
// carries the unit (if any).
QList<TrackBar::Marke> Zahlenskala(int von, int bis, int schritt, int teiler, const QString &einheit = QString());

}  // namespace FranckHertz

// Control builders of the three Franck–Hertz windows: panels, labels, a track bar with its
// up-down kept in step under a caption and over its scale line, and the title fitting.
#pragma once

#include "steuerelemente.h"

#include <QLabel>

#include <functional>

namespace FranckHertz {

// Shrinks the title panel's font until its caption fits inside the panel.
void TitelEinpassen(Panel *titel);

// A raised panel in the panel colour.
Panel *ErzeugeFeld(QWidget *eltern, int x, int y, int w, int h);

// A label (left-aligned unless told otherwise).
QLabel *Beschriftung(QWidget *eltern, const QString &text, int x, int y, int w, int h = 18,
                     Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter);

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

// A number with one decimal and a decimal comma.
QString Komma(double wert, int stellen = 1);

}  // namespace FranckHertz

// Small control builders of the diffraction and the standing-wave window: a panel in the
// panel colour, a label, a compact radio group and a track bar with its up-down kept in step.
#pragma once

#include "steuerelemente.h"

#include <QLabel>

#include <functional>

namespace Beugung {

Panel *ErzeugePanel(QWidget *eltern, const QRect &ort);
QLabel *Beschriftung(QWidget *eltern, const QString &text, int x, int y, int w, int h = 18,
                     Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter);
// Tighter margins for a radio group in a small panel.
void RadioGruppeVerdichten(RadioGroup *gruppe);

// A horizontal track bar with an up-down at its right end (when wanted). The up-down sets the
// bar's position; every change of the bar copies it to the up-down and calls geaendert().
struct Schieber {
    TrackBar *bar = nullptr;
    UpDown *updown = nullptr;
};
Schieber ErzeugeSchieber(QWidget *eltern, int min, int max, int position, const QRect &ort, bool mitUpDown,
                         std::function<void()> geaendert);

}  // namespace Beugung

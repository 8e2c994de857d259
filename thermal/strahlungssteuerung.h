// Small control builders shared by the two thermal windows: panels, labels, a track bar with
// its up-down kept in step, and the axis-range panels.
#pragma once

#include "steuerelemente.h"

#include <QLabel>

#include <functional>

namespace Waermestrahlung {

// Shrinks the title panel's font until its caption fits inside the panel.
void TitelEinpassen(Panel *titel);

// A raised panel in the panel colour at the given place.
Panel *ErzeugePanel(QWidget *eltern, const QRect &ort);

// Tighter margins for a radio group placed in a small panel.
void RadioGruppeVerdichten(RadioGroup *gruppe);

// A label at the given place (left-aligned unless told otherwise).
QLabel *Beschriftung(QWidget *eltern, const QString &text, int x, int y, int w, int h = 18,
                     Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter);

// A horizontal track bar, with an up-down at its right end when wanted. The two stay in
// step: moving either sets the other, and geaendert() runs once per new position.
struct Schieber {
    TrackBar *bar = nullptr;
    UpDown *updown = nullptr;
};
Schieber ErzeugeSchieber(QWidget *eltern, int min, int max, int position, const QRect &ort, bool mitUpDown,
                         std::function<void()> geaendert);

// The axis-range panel: "Horizontale Achse:", the range line, the track bar (with its
// up-down when wanted) and its scale labels under it.
struct Achsentafel {
    Panel *panel = nullptr;
    Schieber schieber;
};
Achsentafel ErzeugeAchsentafel(QWidget *eltern, const QRect &ort, const QString &bereich,
                               const QList<TrackBar::Marke> &skala, int min, int max, int position, bool mitUpDown,
                               std::function<void()> geaendert);

}  // namespace Waermestrahlung

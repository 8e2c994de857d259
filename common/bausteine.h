// Small control builders the windows share: a panel in the panel colour, a label, a compact
// radio group, a track bar with its up-down kept in step, and the fitting of a title panel.
#pragma once

#include "steuerelemente.h"

#include <QLabel>
#include <QProgressBar>

#include <functional>

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
// The same with its up-down and with scale labels under the bar in bold 8-point type.
Schieber ErzeugeSkalenSchieber(QWidget *eltern, int min, int max, int position, const QRect &ort,
                               const QList<TrackBar::Marke> &skala, std::function<void()> geaendert);

// The panel "Bitte Geduld: Ich rechne!" at the given place, with its progress bar (0 to
// bereich) near its foot; hidden until a computation shows it.
struct RechenTafel {
    Panel *panel = nullptr;
    QProgressBar *balken = nullptr;
};
RechenTafel ErzeugeRechenTafel(QWidget *eltern, const QRect &ort, int bereich);


// The axis-range panel of the two thermal windows.
#pragma once

#include "bausteine.h"

#include <functional>

namespace Waermestrahlung {

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

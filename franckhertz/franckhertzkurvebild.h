// Drawing of the Franck–Hertz curve on a canvas: the axes of collector current over the
// accelerating voltage, and one bar of the collector current per voltage step.
#pragma once

#include "canvas.h"

namespace FranckHertz {

inline constexpr TColor FarbeBalken = 0x8CDBFD;

// Where the graph puts its bars: the origin in pixels, pixels per volt and bar pixels per
// arrival-weighted current unit.
struct KurvenAchsen {
    int ursprungX = 0, ursprungY = 0;
    int k = 0;
    double balkenSkala = 0;
};

// Clears the graph to grund and draws the axes for voltages up to uaMax V (the scale reaches
// the next multiple of 5 V); e is the window's unit of length, N the electrons per step.
KurvenAchsen ZeichneKurvenAchsen(Canvas &c, TColor grund, int e, int uaMax, int N);

// Draws the bar of current I of step t (1, 2, …), 2s + 1 pixels wide.
void ZeichneKurvenBalken(Canvas &c, const KurvenAchsen &a, int t, int s, int I);

}  // namespace FranckHertz

// Drawing of the Einstein-equation plot on a canvas: the axes with the frequency, energy
// and wavelength scales, the visible range, the lamp's lines, the metals' points, their
// straight lines and one slope triangle.
#pragma once

#include "canvas.h"
#include "einstein.h"

namespace Photoeffekt {

// What the plot shows.
struct EinsteinAnsicht {
    Linienspektrum lampe;
    bool gezeigt[4] = {false, false, false, false};  // the metals, in EinsteinMetalle's order
    bool spektralLinien = false;  // the lamp's lines
    bool spektrum = true;         // the visible range above the plot
    bool verbinden = false;       // the straight lines through each metal's points
    bool dreieck = false;         // the slope triangle of the first shown metal
    double h = 0, e = 0;          // Planck's constant and the elementary charge
};

// Draws the whole plot onto the canvas.
void ZeichneEinstein(Canvas &c, const EinsteinAchsen &achsen, const EinsteinAnsicht &ansicht);

}  // namespace Photoeffekt

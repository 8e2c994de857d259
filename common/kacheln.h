// Whole frames of tiles on a canvas: a grid of equal rectangles, each in its own colour,
// painted in one pass instead of one fillRect per tile (the pictures are the same).
#pragma once

#include "canvas.h"

// A grid of spalten × zeilen tiles of breite × hoehe pixels without gaps, the first with its
// top-left corner at (links, oben); tile (i, j) takes farben[j · spalten + i]. The same
// pixels as one fillRect per tile with a solid brush, clipped alike; the pen mode is ignored.
void FuelleKacheln(Canvas &c, int links, int oben, int breite, int hoehe, int spalten, int zeilen,
                   const TColor *farben);

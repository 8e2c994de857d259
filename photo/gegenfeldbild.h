// Drawing of the counter-field photocell (shared by the counter-field and the Planck-constant
// window): the bulb with its metal layer and ring, the fixed galvanometer, wires, sockets
// and polarity of the counter voltage, its label, the light waves that turn into the light's
// own colour inside the black cell, and the quanta.
#pragma once

#include "canvas.h"
#include "gegenfeld.h"
#include "photobild.h"

namespace Photoeffekt {

inline constexpr TColor GlasFarbe = 16761220;     // hex FFC184
inline constexpr TColor SchichtFarbe = 10005167;  // hex 98AAAF

// Background, bulb, metal layer, ring, galvanometer case and circuit (without electrons,
// needle, lamp and label). minusFarbe: the colour of the minus mark.
void ZeichneGegenfeldZelle(Canvas &c, TColor grund, const GegenfeldSkizze &k, Messgeraet &messgeraet,
                           TColor minusFarbe);

// The counter voltage under the source: "1,00 V"; in black, or in the background colour to
// erase it. Returns the area touched.
QString SpannungsText(double U);
QRect SchreibeSpannung(Canvas &c, const GegenfeldSkizze &k, double U, TColor farbe);

// Light waves by XOR: left of grenzeX drawn over the background (XOR value farbe ^ grund),
// from grenzeX on in the light's own colour over the black inside of the cell (XOR farbe).
// Drawing the same phase twice erases them. Returns the area touched.
QRect ZeichneZellWellen(Canvas &c, const Lampe &l, const Wellenbild &w, int a, TColor farbe, TColor grund,
                        int grenzeX);

// Draws a quantum's picture by XOR with its centre at (x, y); returns the area touched.
QRect ZeichneQuantBild(Canvas &c, const QImage &bild, double x, double y);

}  // namespace Photoeffekt

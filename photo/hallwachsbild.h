// The static sketches of the Hallwachs window (zinc plate, lamp, ring, galvanometer, source
// or earthing) and of the vacuum-photocell window (glass bulb, metal layer, ring, circuit),
// with their labels. The moving parts (electrons, waves, needle) are drawn by the kit.
#pragma once

#include "hallwachs.h"
#include "photobild.h"

namespace Photoeffekt {

inline constexpr TColor Zinkfarbe = 12632256;     // silver plate
inline constexpr TColor Schichtfarbe = 10005167;  // the light-sensitive layer
inline constexpr TColor Ringfarbe = 29670;
inline constexpr TColor Minusfarbe = 16776960;
inline constexpr TColor Glasfarbe = 16761220;

// The whole Hallwachs sketch without electrons and needle; the galvanometer's face is
// remembered (with circuit) so that the needle can be drawn on it.
void ZeichneHallwachsAnordnung(Canvas &c, TColor grund, const HallwachsSkizze &k, const Lampe &lampe, bool stromkreis,
                               Messgeraet &messgeraet);
// The labels return the boxes they cover, which the waves leave out.
QVector<QRect> BeschrifteHallwachsAnordnung(Canvas &c, const HallwachsSkizze &k, bool stromkreis);

// The font of the photocell's labels (for the width that the layout keeps free).
Schrift PhotozellenSchrift();
void ZeichnePhotozelle(Canvas &c, TColor grund, const PhotozellenSkizze &k, const Lampe &lampe, bool stromkreis,
                       Messgeraet &messgeraet);
QVector<QRect> BeschriftePhotozelle(Canvas &c, const PhotozellenSkizze &k, bool stromkreis);

}  // namespace Photoeffekt

// Drawing of the quantum-atom window: axes in Bohr radii and nanometres, the |ψ|² graph,
// the Bohr radius as disc or circle, the grey image of s states and the measurement dots.
#pragma once

#include "canvas.h"
#include "schroedinger.h"

namespace Atome {

// Where and at which scale the window draws.
struct AtomAnsicht {
    int cx = 0, cy = 0, N = 0, a0 = 1, proNm = 1, massstab = 5;
};

inline constexpr TColor AchsenFarbe = 8421504, BohrFarbe = 3118845, GraphFarbe = 65280, WolkenFarbe = 65535;

void LoescheAtomBild(Canvas &c);
void ZeichneAchsen(Canvas &c, const AtomAnsicht &a);
void ZeichneGraph(Canvas &c, const AtomAnsicht &a, int n, int l);
void ZeichneAtomScheibe(Canvas &c, const AtomAnsicht &a);
void ZeichneAtomRand(Canvas &c, const AtomAnsicht &a);
// The s image: one circle per radius from 1 to 2N, outward, then the nucleus. The rings
// von..bis alone let a window draw it in parts and handle events between them.
int GrauSRingZahl(const AtomAnsicht &a);
void ZeichneGrauSRinge(Canvas &c, const AtomAnsicht &a, int n, double wmax, int von, int bis);
void ZeichneGrauSKern(Canvas &c, const AtomAnsicht &a, int n, double wmax);
// The two 10 × 10 pictures of a measurement: the current one and the old one.
QImage MessPunktBild(bool aktuell);

}  // namespace Atome

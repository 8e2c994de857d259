// Drawing of Bohr's atom window: the atom with its orbits, the level diagram with a
// transition and the pictures of the photon and the electron (moved as XOR sprites, xorsprite.h).
#pragma once

#include "bohr.h"
#include "canvas.h"
#include "xorsprite.h"

#include <QImage>

#include <functional>

namespace Atome {

void ZeichneBohrAtom(Canvas &c, const BohrLayout &l, int n, int t);
void ZeichneHNiveaus(Canvas &c, const BohrLayout &l, int n, int t);
void LoescheHNiveaus(Canvas &c, TColor grund);
void ZeichnePhotonInHNiveaus(Canvas &c, const BohrLayout &l, int n, int t);

// Dots on a ring of radius o of the photon picture.
int PunkteAufRing(int o);
// The photon picture (2R × 2R, black transparent), random phases from zufall().
QImage PhotonBild(int R, TColor farbe, const std::function<double()> &zufall);
// The built-in electron: discs of radius 9 down to 3 on black, 18 × 18.
QImage ElektronBild();
// The electron picture from a file; the built-in one when it is missing or unreadable.
QImage LadeElektronBild(const QString &datei);

}  // namespace Atome

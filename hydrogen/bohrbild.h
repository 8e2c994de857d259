// Drawing of Bohr's atom window: the atom with its orbits and the level diagram with a
// transition (the electron and the photon are XOR sprites, xorsprite.h).
#pragma once

#include "bohr.h"
#include "canvas.h"
#include "xorsprite.h"

namespace Atome {

void ZeichneBohrAtom(Canvas &c, const BohrLayout &l, int n, int t);
void ZeichneHNiveaus(Canvas &c, const BohrLayout &l, int n, int t);
void LoescheHNiveaus(Canvas &c, TColor grund);
void ZeichnePhotonInHNiveaus(Canvas &c, const BohrLayout &l, int n, int t);

}  // namespace Atome

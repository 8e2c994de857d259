// Drawing of Bohr's atom window: the atom with its orbits, the level diagram with a
// transition, and the XOR sprites of the electron and the photon.
#pragma once

#include "bohr.h"
#include "canvas.h"

#include <QImage>
#include <QPoint>

namespace Atome {

void ZeichneBohrAtom(Canvas &c, const BohrLayout &l, int n, int t);
void ZeichneHNiveaus(Canvas &c, const BohrLayout &l, int n, int t);
void LoescheHNiveaus(Canvas &c, TColor grund);
void ZeichnePhotonInHNiveaus(Canvas &c, const BohrLayout &l, int n, int t);

// A picture drawn by XOR, centred on a point; it remembers where it was drawn so that
// it is erased only when it is shown, at the very place it was drawn.
class XorSprite {
public:
    QImage bild;
    void zeigen(Canvas &c, QPoint mitte);
    void verbergen(Canvas &c);
    void vergessen() { gezeigt_ = false; }  // the picture under it was redrawn
    bool gezeigt() const { return gezeigt_; }
    QPoint ort() const { return ort_; }

private:
    bool gezeigt_ = false;
    QPoint ort_;
};

}  // namespace Atome

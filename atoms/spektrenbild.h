// Drawing of the gas-spectra window on its canvas: the two screens, the sun's spectrum,
// the gas lines and, in oblique projection, the spectroscope and the glowing tube.
#pragma once

#include "canvas.h"
#include "spektren.h"

namespace Atome {

struct SpektrenZustand {
    int gas = 0;
    bool nachFrequenz = true;
    bool mitSonnenLinien = true;
    bool mitAnordnung = true;
    int sehBreite = -40, sehHoehe = 30;
    double s = 1;
    TColor grund = 0x964401;  // the picture's background
};

class SpektrenBild {
public:
    SpektrenBild(Canvas &c, const SpektrenTabelle &t) : c_(c), t_(t) {}

    void ZeichneAlles(const SpektrenZustand &z);

    void ZeichneSchirm(bool sonne, bool gas);
    void ZeichneSonnenSpektrum(bool mitLinien, bool nachFrequenz);
    void ZeichneLinien(int gas, bool nachFrequenz);
    void ZeichneSpektralApparat(int gas);
    void ZeichneSpektralApparatSpaltFlaeche(int gas);
    void ZeichneRoehre(int gas);

    const SpektrenGeometrie &geometrie() const { return g_; }
    const Blick &blick() const { return b_; }

private:
    void MoveToPkt(double x, double y, double z);
    void LineToPkt(double x, double y, double z);
    void Stift(TColor farbe, int breite, PenStil stil = PenStil::Solid);
    void Sockel(double y, double z);

    Canvas &c_;
    const SpektrenTabelle &t_;
    SpektrenGeometrie g_;
    Blick b_;
};

}  // namespace Atome

// The hydrogen energy-level picture: geometry, the scene of one step (series columns,
// photon bars, level diagram, transitions, formula) and its drawing on a canvas. No widgets.
#pragma once

#include "canvas.h"

#include <QVector>

namespace Wasserstoff {

struct HAtomGeometrie {
    int w = 0, h = 0;      // image size
    int C = 0;             // column width
    int spalte = 0;        // series column width C − 16
    int D = 0;             // level-diagram width 2C − 32
    int x0 = 0, y0 = 0;    // origin of the upright picture
    double k = 0;          // pixels per eV
    int hoehe[17] = {};    // h_j = round(E_j·k), h_0 = h_1
    int yb = 0, L = 0;     // horizontal spectrum: baseline and axis length
    double sF = 0;         // pixels per THz there

    void Vorbereiten(int breite, int hoehe);
    // Height of level j above the ground state (h_0 − h_j).
    int Stufe(int j) const { return hoehe[0] - hoehe[j]; }
};

struct HAtomUebergang {
    int a = 1, j = 1;  // from level a up to level j + 1
    bool markiert = false;
};

// What a step shows (upright picture).
struct HAtomSzene {
    double serieX[5] = {}, serieY[5] = {};  // offsets of the series columns n = 1..4
    int balken[5] = {};                     // photon bars shown: lines j = n .. n + balken − 1
    int balkenMarke[5] = {-1, -1, -1, -1, -1};  // index of the marked bar, −1 none
    bool atom = false;
    double atomX = 0;
    int stufenBis = 1, hervor = 1;          // levels 1..stufenBis, highlighted level (0 none)
    QVector<HAtomUebergang> uebergaenge;
    bool energieAchse = true;               // the axis at the right (steps up to 6)
    bool ionisation = false;                // ionisation limit in the diagram (from step 6)
    bool formel = false;
};

class HAtomBild {
public:
    HAtomBild(Canvas &c, const HAtomGeometrie &g) : c_(c), g_(g) {}
    // Step 1: the four series over frequency with the three axes.
    void ZeigeSerienHorizontal(int linien, bool grenzen);
    // Steps 2 to 12.
    void ZeichneSzene(const HAtomSzene &s, int linien, bool grenzen);

private:
    void Strich(int x1, int y1, int x2, int y2);
    void TextMitte(int x, int y, const QString &t);
    void Pfeil(int x, int y, int laenge);
    // The column (beschriften false) or its labels (true), which stand over the photon bars.
    void ZeichneSerieVertikal(int n, int x, int y, int linien, bool grenzen, bool beschriften);
    void ZeichneSeriePhoton(int n, int x, int y, int j, bool markiert);
    void ZeichneHAtom(const HAtomSzene &s, bool grenzen);
    void Energieachse();
    void Formel(int rechts);

    Canvas &c_;
    const HAtomGeometrie &g_;
};

}  // namespace Wasserstoff

// Drawing of the diffraction picture on a canvas: the diaphragm, a frame of the idealised
// animation with its direction arrows, a frame of the simulated wave and the intensity.
#pragma once

#include "beugung.h"
#include "canvas.h"
#include "huygens.h"

namespace Beugung {

// Everything a picture is drawn from.
struct Zustand {
    Masse m;
    Welle w;
    int s = 2;                 // resolution: grid pitch and tile size d = 2s − 1
    bool simulation = true;
    bool kante = false;        // animation: edge instead of slit
    int wAnim = 16;            // animation: half-width of the slit
    bool einzelZug = false;    // a single crest and trough
    bool frischerStart = true; // the wave starts at the left edge
    bool pfeileVor = false, pfeileNach = false;  // direction arrows of the undiffracted / diffracted wave
    const Huygens::Blende *blende = nullptr;     // simulation mode
    const Huygens::Feld *feld = nullptr;         // simulation mode, after the computation
    TColor grund = 0;          // background of the picture

    int d() const { return 2 * s - 1; }
};

class BeugungsBild {
public:
    BeugungsBild(Canvas &c, const Zustand &z) : c_(c), z_(z) {}

    // Fills the picture (background colour or silver) and draws the diaphragm.
    void Vorbereiten(TColor fuellung);
    void ZeichneBlende();
    // One frame of the idealised animation (slit or edge) at frame t.
    void AnimationsFrame(int t);
    // One frame of the simulated wave at frame t.
    void ZeichneWellen(int t);
    // The time-averaged intensity behind the diaphragm.
    void ZeichneIntensitaet();

private:
    void Quadrat0(int x, int y, TColor farbe);       // tile centred on the grid point
    void Streifen(int x, int von, int bis, TColor farbe);  // column of tile width, pixel rows von..bis−1
    void ZeichnePfeile(int t);
    void Pfeil(double x1, double y1, double x2, double y2, bool spitze);
    Canvas &c_;
    const Zustand &z_;
};

}  // namespace Beugung

// The uncertainty window's physics and geometry, without widgets: the picture measures of
// the six steps, the first-minimum angle, the direction tables of the single-slit pattern,
// the wave field behind the slit (Huygens wavelets, shared with the diffraction window), the
// colour codes of a frame, the photons and the window layout.
#pragma once

#include "global.h"
#include "huygens.h"

#include <QRect>

#include <array>
#include <functional>
#include <optional>

namespace Heisenberg {

// Largest extent of the wave field: x = 1..456, y = 0..285.
inline constexpr int FeldBreite = 456, FeldHoehe = 285;

// Real-size view in steps 1, 2 and 4; the zoomed view (scale 1 : 10) in steps 3, 5 and 6.
inline bool Vergroessert(int schritt) { return schritt == 3 || schritt == 5 || schritt == 6; }

// Picture of size a (2, 3 or 4) with the unit U: 3aU × (2a + 2)U, origin (aU, (a + 1)U).
struct Masse {
    int breite = 0, hoehe = 0;
    int X0 = 0, Y0 = 0;
    int xmin = 0, xmax = 0;
};
Masse MasseVon(int a, int U);

// θ1 = arcsin(λ / 2b), or π/2 when 2b < λ.
double ErstesMinimum(int b, double lambda);

// For k = 0..360 and θk = k · 0.25°: A = |sin u / u| with u = π · 2b · sin θk / λ, I = A².
struct Richtungen {
    std::array<double, 361> A{}, I{};
};
Richtungen BerechneRichtungen(int b, double lambda);

// The wave field behind a slit of half-width b: phase and amplitude (56 at the brightest
// point) for every x = 1..456 and y = −285..285, from the diffraction window's wavelet sums.
Huygens::Auftrag WellenfeldAuftrag(int b, double lambda);
inline std::optional<Huygens::Feld> BerechneWellenfeld(int b, double lambda, const TSinCosTabelle &tab)
{
    return Huygens::Berechne(WellenfeldAuftrag(b, lambda), tab);
}

// Speed bar 1..8: frames per period and delay.
inline int BilderProPeriode(int tempo) { return 4 * tempo; }
inline int VerzoegerungAus(int tempo) { return ZweiHoch(8 - tempo) - 1; }

// Displacement codes of a frame t: the incident wave at x ≤ 0 and a field point behind the slit.
int EinfallCode(int x, int t, double c, double p, const TSinCosTabelle &tab);
int FeldCode(float amplitude, int phase, int t, double p, const TSinCosTabelle &tab);
// Intensity code of the zoomed view at (x, y): round(112 · I[j]), j = round(atan2(y, x) / π · 720);
// the brightness follows the intensity, with which the photons are drawn, not the amplitude.
int IntensCode(int x, int y, const Richtungen &r);

// One photon of the six steps. Coordinates are world values (y up), the picture's origin at the slit.
struct Photon {
    bool aktiv = false;
    double x = 0, y = 0;
    double speed = 1, vx = 0, vy = 0;
    int halb = 12;  // half-size of its sprite
    int k = 0;      // direction index −360..360 (steps of 0.25°)
};

using GanzZufall = std::function<int(int)>;
using ReellZufall = std::function<double()>;

// Launches a photon at x = xmin in a direction drawn from the diffraction intensity.
void Starte(Photon &ph, const Masse &m, int b, bool vergroessert, const Richtungen &r, const GanzZufall &ganz,
            const ReellZufall &reell);
// Moves it one frame: straight on before the slit, along its direction behind it.
void Bewege(Photon &ph);
// It leaves the picture (or, in step 4, is absorbed at the covered slit).
bool Verlaesst(const Photon &ph, const Masse &m, int schritt);
// An inactive slot launches in a frame with probability c / (xmax − xmin).
bool StartetJetzt(double c, const Masse &m, const ReellZufall &reell);

// ---- layout ------------------------------------------------------------------------------------
struct Bildschirmmasse {
    int breite = 0, hoehe = 0, zurueckOben = 0;
};
struct Layout {
    int U = 0;
    int textBreite = 0, m = 0;
    int XC = 0, YC = 0;
    QRect titel, text, zeichenflaeche, hinweise, info;
    QRect spaltB, lambda, aufloesung, mitIntens, simulation;  // the right column
    QRect bild(int a) const { return QRect(XC - a * U, YC - (a + 1) * U, 3 * a * U, (2 * a + 2) * U); }
};
inline constexpr int SpaltenBreite = 153;
Layout BerechneLayout(const Bildschirmmasse &b);

}  // namespace Heisenberg

// Physics of the wave-propagation window, without widgets: the values the controls give,
// the activity rule of a wave that starts at a centre, rope and water displacements,
// the time-averaged intensity of two water centres, the colours of the pictures, and the
// marked rope points (random points, a node or an antinode).
#pragma once

#include "global.h"

#include <array>
#include <functional>

namespace Interferenz {

// What the controls say, as plain numbers.
struct Steuerwerte {
    int dimension = 1;         // 1 rope, 2 water
    int wellenzahl = 2;        // 1 or 2
    int schwingungsDauer = 8;  // frames per period (8..32)
    int posLambda1 = 70, posLambda2 = 40;  // track-bar positions (10..100)
    int posAmplitude1 = 40, posAmplitude2 = 40;  // (10..60)
    bool verschieden = true;   // the two waves differ
    bool gegenphasig = false;  // the centres swing in antiphase
    bool einzelzug = false;    // only one crest and one trough
    bool schonUnterwegs = false;  // the wave already fills the medium
    int aufloesung = 2;        // half side s of a water square (1..4)
    double fx = 1.0, fy = 1.0; // horizontal and vertical drawing scale
};

// The values a run works with.
struct Wellenwerte {
    int d = 1, w = 2;
    int N = 8;                 // frames per period
    int lambda1 = 210, lambda2 = 120;  // px
    double c = 0;              // px per frame, the same for both waves
    double omega1 = 0, omega2 = 0;     // per frame
    int sigma = 1;             // +1 synchronous, −1 antiphase
    int A1 = 40, A2 = 40;      // rope amplitudes in px
    bool einzelzug = false;
    bool frischerStart = true; // the wave starts at its centre
    int s = 2;                 // half side of a water square
};
Wellenwerte BerechneWerte(const Steuerwerte &st);

// Water amplitudes: one centre, and each of two centres.
inline constexpr int WasserAmplitudeEins = 56;
inline constexpr int WasserAmplitudeZwei = 40;
// Distance of the two centres "beide links" from the axis (px, not scaled).
inline constexpr int AbstandBeideLinks = 90;

// One wave from a centre.
struct Quelle {
    double lambda = 1, omega = 0, c = 1, amplitude = 0;
};

// A wave reaches a point at distance r when it started there at t = 0 or c·t ≥ r, and has
// not yet passed it when it is a continuous wave or c·t ≤ r + λ.
bool Aktiv(const Quelle &q, double r, double t, bool frischerStart, bool einzelzug);
// A·sin(ω·(t − r/c)) while active, else 0.
double Beitrag(const Quelle &q, double r, double t, bool frischerStart, bool einzelzug);

// ---- rope ----------------------------------------------------------------------------

struct SeilLauf {
    int R = 0;                 // half length: the rope runs from −R to +R
    bool welle1 = false;       // wave from the left end
    bool welle2 = false;       // wave from the right end
    Quelle q1, q2;
    int sigma = 1;
    double An = 1;             // sum of the amplitudes of the waves that run
    bool frischerStart = true, einzelzug = false;
    double endzeit = 0;        // a single train ends when t exceeds it
};
// links / rechts: which ends send a wave. A single wave from the right takes the first
// wave's wavelength, frequency and amplitude; the sign σ acts only when both ends send.
SeilLauf SeilLaufVon(const Wellenwerte &v, int R, bool links, bool rechts);

struct SeilPunkt {
    double y1 = 0, y2 = 0;  // the single waves (y2 with the sign σ)
    int D = 0;              // round(y1 + y2)
};
SeilPunkt SeilAuslenkung(const SeilLauf &l, int x, double t);

// Rope colour: k = round(56·wert/amplitude), red 0, green 157 + k, blue 199 + k.
TColor SeilFarbe(double wert, double amplitude);
inline constexpr TColor SeilRuheFarbe = 0xC79D00;

// Rope time per frame: 1 at the fastest tempo, (32 − delay)/32 in general.
double Zeitschritt(int verzoegerung);

// ---- water ---------------------------------------------------------------------------

enum class Zentren { Links, Rechts, LinksRechts, BeideLinks };

struct WasserLauf {
    Zentren art = Zentren::Links;
    int X0 = 0, Y0 = 0;     // half width and half height of the picture
    double z1x = 0, z1y = 0;  // centre 1 (the only one for one wave; carries σ)
    double z2x = 0, z2y = 0;  // centre 2
    Quelle q;
    int sigma = 1;
    bool frischerStart = true, einzelzug = false;
    int laufzeit = 0;       // frames of a single train
    int s = 2;
    bool zwei() const { return art == Zentren::LinksRechts || art == Zentren::BeideLinks; }
};
WasserLauf WasserLaufVon(const Wellenwerte &v, Zentren art, int X0, int Y0);

// The displacement value at a point: for one centre k = round(56·sin(…)), for two centres
// C = round(σ·B + w); grund: the point shows the background colour (not reached).
struct WasserWert {
    int wert = 0;
    bool grund = false;
};
WasserWert WasserAuslenkung(const WasserLauf &l, double x, double y, double t);
// The value in a section (one centre: round(A·sin(…)), 0 when inactive; two centres: C).
int SchnittWert(const WasserLauf &l, double x, double y, double t);

// Colours: one centre green 151 + k, blue 199 + k; two centres green 133 + C, blue 175 + C.
TColor WasserFarbe(const WasserLauf &l, int wert);
// Time-averaged intensity of two centres, 0..1: cos² or sin² of π·(r1 − r2)/λ.
double Intensitaet(const WasserLauf &l, double x, double y);
// k = round(80·I): green 133 + k, blue 175 + k.
TColor IntensitaetsFarbe(double I);

// ---- marked rope points ---------------------------------------------------------------

struct Markierung {
    std::array<int, 3> x{};
    int anzahl = 0;
};
// n random points between −R + 50 and R − 51, kept apart from each other; sorted.
// zufall(n) gives a uniform integer in [0, n).
Markierung ZufallsPunkte(int n, int R, const std::function<int(int)> &zufall);
// One marked node or antinode of two identical waves; b is −1 or 0.
Markierung KnotenOderBauch(bool knoten, bool gegenphasig, int lambda1, int b, int R);

}  // namespace Interferenz

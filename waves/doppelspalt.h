// The double-slit window's physics and geometry, without widgets: the wave intensity on
// the screen, the screen and apparatus measures, the oblique projection of the apparatus,
// the speed rule, the draw of one quantum and the window layout.
#pragma once

#include "global.h"

#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

namespace Doppelspalt {

// I[u] for u = 0..hw: two-slit interference times the single-slit envelope,
// p = 2π·u / (300·Λ), I = ((1 + cos(d·p)) / 2) · (sin p / p)²; I[0] = 1.
std::vector<double> Intensitaeten(int hw, double Lambda, int d);

// Λ from the wavelength bar (position / 20).
inline double LambdaAus(int position) { return position / 20.0; }

// Grey level of the classical expectation: trunc((I + 0.5) · 255 / 1.5), 85..255.
int Graustufe(double I);

// Measures of the screen, the table, the diaphragm and the lamp in world units.
struct Masse {
    int X0 = 0, Y0 = 0;   // pixel of the screen centre
    int hw = 0, hh = 0;   // half-width and half-height of the screen
    int L = 0, xS = 0, xQ = 0;  // table length, diaphragm plane, lamp centre (apparatus only)
    int n = 1;            // zoom factor of the face-on screen
};
// Picture of breite × hoehe pixels with the size step g; mit = apparatus shown; zoom = screen enlarged.
Masse MasseVon(int breite, int hoehe, int g, bool mit, bool zoom);

// Viewing angles in degrees from the bars: φ = azimuth, θ = 90° − elevation position.
struct Blick {
    double sinPhi = 0, cosPhi = 1, sinTheta = 0, cosTheta = 1;
    static Blick Aus(int sehBreite, int sehHoehe);
};

// Orthographic projection of a world point (x along the table towards the lamp, y up,
// z across the screen) after turning by φ about the vertical and tilting by θ.
struct Projektion {
    int X0 = 0, Y0 = 0;
    Blick b;
    QPoint operator()(double x, double y, double z) const;
};

// The angle at which the lamp's mantle lines start: arctan(sin φ · cos θ / (−sin θ)), π/2 when sin θ = 0.
double MantelStartwinkel(const Blick &b);
// Colour of a mantle line at angle α (channels clamped to 0..255).
TColor MantelFarbe(double alpha, bool lampeAn);

// Delay per 64 hits from the speed position 0..5: 2^(5 − position) − 1 ms; four-fold mirroring at 5.
inline int VerzoegerungAus(int position) { return ZweiHoch(5 - position) - 1; }
inline bool VierfachAus(int position) { return position >= 5; }

// One draw of a quantum: transverse coordinates a (across) and c (up) drawn uniformly and
// symmetrically from −(hw − 1)..hw − 1 and −(hh − 1)..hh − 1, so that every whole value,
// 0 included, is equally likely; accepted when a uniform real is below I[|a|].
struct Ziehung {
    bool angenommen = false;
    int a = 0, c = 0;
};
Ziehung Ziehe(const std::vector<double> &I, int hw, int hh, const std::function<int(int)> &ganz,
              const std::function<double()> &reell);

// A colour is a grey (red = green = blue, black included).
inline bool IstGrau(TColor f)
{
    return (f & 0xFF) == ((f >> 8) & 0xFF) && (f & 0xFF) == ((f >> 16) & 0xFF) && f <= 0xFFFFFF;
}

// ---- layout ----------------------------------------------------------------------------------
struct Bildschirmmasse {
    int breite = 0, hoehe = 0;  // BildschirmBreite, BildschirmHoehe
    int zurueckOben = 0;        // ZurueckOben
    int spalteLinks = 0;        // the standard column's left edge
};
struct Layout {
    int g = 0;
    QRect titel, bild, klassisch, beobHinw;
    QRect anordnung, spaltAbstand, lambda, graph, simulation;  // the right column
};
inline constexpr int SpaltenBreite = 201;
Layout BerechneLayout(const Bildschirmmasse &b);

}  // namespace Doppelspalt

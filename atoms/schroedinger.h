// The quantum-mechanical atom model without widgets: the hydrogen wave functions for
// n = 1..3, l < n (magnetic quantum number 0), their grid maxima, the grey tones, the
// random position measurements, the axis scales and the window's layout.
#pragma once

#include "global.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

namespace Atome {

// ψ(ρ) unnormalised; c is the angular factor; 0 for l ≥ n or n outside 1..3.
double Psi(int n, int l, double c, double rho);
// Angular factor for l from cos θ (θ from the horizontal axis): 1, cos θ, 3 cos²θ − 1.
double WinkelFaktor(int l, double cosTheta);

// Largest |ψ|² on the sampling grid k, j = 1..N (distances in pixels, a0 pixels per Bohr radius).
struct WMaxTabelle {
    std::array<std::array<double, 3>, 4> w{};  // [n][l]
    double operator()(int n, int l) const { return w[std::size_t(n)][std::size_t(l)]; }
};
WMaxTabelle BerechneWMax(int N, int a0);

// Grey level of x = ψ² / Wmax: round(√x · 255), at most 255; as a colour g · 65793.
int GrauStufe(double x);
TColor GrauTon(double x);

// Pixels per Bohr radius (at least 1) and pixels per nanometre.
int BohrRadiusPixel(int cx, int massstab);
int PixelProNm(int a0);
// Every how many ticks a label is written on the Bohr-radius and on the nanometre scale.
int BeschriftungBohr(int massstab);
int BeschriftungNm(int massstab);
// "Orbital  2  p".
QString Zustandsname(int n, int l);
// The items of the orbital quantum number for n: "0" … "n−1".
int NebenQuantenzahlen(int n);
// Target counts of the pixel cloud and the measurements.
int WolkenZiel(int n);
int MessZiel(int n);

// One quadrant of the p or d grey image, mirrored into the picture's four quadrants:
// column offsets von..bis (inclusive), every pixel written inside the picture (on a picture
// at device pixels each value fills its logical pixel).
void GrauSpalten(QImage &bild, int cx, int cy, int N, int n, int l, int a0, double wmax, int von, int bis);

// A random point of the density: (x, y) with |x|, |y| < N, accepted with probability
// ψ²/Wmax. Returns false when the draw was refused.
struct Zufallspunkt {
    int x = 0, y = 0;
};
bool ZiehePunkt(int N, int n, int l, int a0, double wmax, const std::function<double()> &zufall, Zufallspunkt &p);

// Scale of the |ψ|² graph: 0,8 of the half-height for the largest value on the axis,
// divided by n for l ≥ 1; so the curve never leaves the picture.
double GraphFaktor(int n, int l, int a0, int cx, int cy);

// Where the graph of |ψ|² along the axis (0 … cx − 8 pixels from the nucleus) is highest, in
// Bohr radii: the first such place.
double GraphGipfel(int n, int l, int a0, int cx);

// Layout of the window from the usable screen.
struct SchroedingerLayout {
    int seite = 0;
    QRect titel, bild, zurueck;
    QRect graph, atom, achsen, darstellung, simulation, loeschen;  // left column
    QRect massstab, zustand, texte;                                // right column
};
SchroedingerLayout BerechneSchroedingerLayout(int breite, int hoehe, const QRect &zurueck);

}  // namespace Atome

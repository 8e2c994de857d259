#include "doppelspalt.h"

#include <algorithm>
#include <cmath>

namespace Doppelspalt {

std::vector<double> Intensitaeten(int hw, double Lambda, int d)
{
    std::vector<double> I(std::size_t(std::max(hw, 0)) + 1, 0.0);
    I[0] = 1.0;
    for (int u = 1; u <= hw; ++u) {
        const double p = 2 * M_PI * u / (300.0 * Lambda);
        const double huelle = std::sin(p) / p;
        I[std::size_t(u)] = ((1 + std::cos(d * p)) / 2) * huelle * huelle;
    }
    return I;
}

int Graustufe(double I) { return std::clamp(int(std::trunc((I + 0.5) * 255 / 1.5)), 0, 255); }

Masse MasseVon(int breite, int hoehe, int g, bool mit, bool zoom)
{
    Masse m;
    m.X0 = breite / 2;
    if (mit) {
        const int b = Runde(g / 2.0);
        m.Y0 = Runde(6.0 * b);
        m.hw = Runde(6.0 * b);
        m.hh = Runde(4.0 * b);
        m.L = Runde(16.0 * b);
        m.xS = Runde(0.7 * m.L);
        m.xQ = Runde(0.95 * m.L);
        m.n = 1;
    } else if (!zoom) {
        m.Y0 = hoehe / 3;
        m.hw = m.X0 / 2 + 20;
        m.hh = 120;
        m.n = 1;
    } else {
        m.Y0 = hoehe / 2;
        m.hw = m.X0;
        m.hh = m.Y0;
        m.n = 2;
    }
    return m;
}

Blick Blick::Aus(int sehBreite, int sehHoehe)
{
    const double phi = sehBreite * M_PI / 180.0;
    const double theta = (90 - sehHoehe) * M_PI / 180.0;
    return {std::sin(phi), std::cos(phi), std::sin(theta), std::cos(theta)};
}

QPoint Projektion::operator()(double x, double y, double z) const
{
    return {X0 + Runde(z * b.cosPhi - x * b.sinPhi),
            Y0 - Runde(y * b.cosTheta - b.sinTheta * (x * b.cosPhi + z * b.sinPhi))};
}

double MantelStartwinkel(const Blick &b)
{
    if (b.sinTheta == 0)
        return M_PI / 2;
    return std::atan(b.sinPhi * b.cosTheta / (-b.sinTheta));
}

TColor MantelFarbe(double alpha, bool lampeAn)
{
    const int s = Runde(64 * std::sin(alpha));
    const int rot = std::clamp(150 + s - (lampeAn ? 0 : 46), 0, 255);
    const int blau = std::clamp(96 + s, 0, 255);
    return TColor(rot) | (TColor(blau) << 16);
}

Ziehung Ziehe(const std::vector<double> &I, int hw, int hh, const std::function<int(int)> &ganz,
              const std::function<double()> &reell)
{
    Ziehung z;
    if (hw < 1 || hh < 1 || I.empty())
        return z;
    z.a = ganz(2 * hw - 1) - (hw - 1);
    z.c = ganz(2 * hh - 1) - (hh - 1);
    const std::size_t u = std::min(std::size_t(std::abs(z.a)), I.size() - 1);
    z.angenommen = reell() < I[u];
    return z;
}

Layout BerechneLayout(const Bildschirmmasse &b)
{
    Layout l;
    const int W = b.breite, H = b.hoehe;
    l.titel = QRect(0, 8, 0, 49);
    l.klassisch = QRect(0, H - 89, 0, 57);
    const int bildOben = l.titel.bottom() + 1 + 8;
    const int breite0 = b.spalteLinks - 16;
    const int hoehe0 = l.klassisch.top() - 8 - bildOben;
    l.g = std::max(1, std::min(breite0 / 16, hoehe0 / 11));
    const int e = std::max(0, (W - 16 * l.g - SpaltenBreite) / 3);
    l.bild = QRect(e, bildOben, 16 * l.g, 11 * l.g);
    const int titelBreite = std::min(l.bild.width(), 620);
    l.titel = QRect(e + (l.bild.width() - titelBreite) / 2, 8, titelBreite, 49);
    const int spalte = 2 * e + 16 * l.g;
    // the classical panel under the picture, the two text buttons level with it at its right
    const int knopfBreite = 260;
    l.beobHinw = QRect(l.bild.right() + 1 - knopfBreite, l.klassisch.top(), knopfBreite, 57);
    l.klassisch = QRect(e, H - 89, l.bild.width() - knopfBreite - 8, 57);
    const int hoehen[] = {161, 73, 73, 41, 185};
    const int m = std::max(0, (b.zurueckOben - 161 - 73 - 73 - 41 - 185) / 8);
    QRect *ziele[] = {&l.anordnung, &l.spaltAbstand, &l.lambda, &l.graph, &l.simulation};
    int oben = 2 * m;
    for (int i = 0; i < 5; ++i) {
        *ziele[i] = QRect(spalte, oben, SpaltenBreite, hoehen[i]);
        oben += hoehen[i] + m;
    }
    return l;
}

}  // namespace Doppelspalt

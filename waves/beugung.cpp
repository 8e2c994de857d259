#include "beugung.h"

#include <algorithm>
#include <cmath>

namespace Beugung {

using Huygens::MaskenRand;
using Huygens::Mod96;

Huygens::Blende Maske(Art art, int b, int a, int g)
{
    Huygens::Blende m;
    m.symmetrisch = art != Art::Kante;
    g = std::max(1, g);
    for (int y = -MaskenRand; y <= MaskenRand; ++y) {
        const int ay = std::abs(y);
        bool offen = false;
        switch (art) {
        case Art::Spalt: offen = ay <= b; break;
        case Art::ZweiSpalten: offen = std::abs(a - ay) <= b / 4; break;
        case Art::Gitter: offen = ((ay + g / 2) / g) % 2 == 1; break;
        case Art::Kante: offen = y <= 0; break;
        case Art::Hindernis: offen = ay >= b; break;
        case Art::Ohne: offen = true; break;
        }
        m.setzeOffen(y, offen);
    }
    return m;
}

Masse MasseVon(int breite, int hoehe)
{
    Masse m;
    m.X0 = breite / 4;
    m.Y0 = hoehe / 2;
    m.xA = -std::min(m.X0, 240);
    m.xB = std::min(3 * m.X0, 720);
    m.yMax = std::min(m.Y0, MaskenRand);
    return m;
}

int Laufzeit(const Masse &m, const Welle &w)
{
    return Runde((std::sqrt(double(m.xB) * m.xB + double(m.Y0) * m.Y0) + m.X0) / w.c()) + w.N;
}

int Startzeit(const Masse &m, const Welle &w) { return Runde(m.xA / w.c()); }

bool Aktiv(double r, double t, const Welle &w, bool frischerStart, bool einzelZug)
{
    const double front = w.c() * t;
    return (!frischerStart || front >= r) && (!einzelZug || front <= r + w.lambda);
}

int Auslenkung(double r, double t, const Welle &w, const TSinCosTabelle &tab)
{
    return Runde(56.0 * tab.Sin48[Mod96(Runde(w.p() * (t - r / w.c())))]);
}

Punktwelle AnimationsWelle(int x, int y, int w, int X0, bool spalt)
{
    Punktwelle p;
    const int ay = std::abs(y);
    p.r = ay <= w ? double(x) : std::sqrt(double(ay - w) * (ay - w) + double(x) * x);
    if (p.r <= w)
        return p;
    const double a1 = spalt ? std::exp(-2.0 * (p.r - w) / std::max(1, X0)) : 1.0;
    const double a2 = ay > w ? std::exp(-double(ay - w) / (p.r + 25.0)) : 1.0;
    p.F1 = std::min(1.0, a1 * a2);
    return p;
}

namespace {
TColor Farbe(int r, int g, int b)
{
    return TColor(std::clamp(r, 0, 255)) | TColor(std::clamp(g, 0, 255)) << 8 | TColor(std::clamp(b, 0, 255)) << 16;
}
}  // namespace

TColor FarbCodeAuslenkg(int k) { return Farbe(0, 199 + k, 199 + k); }
TColor FarbCodeIntens(int m) { return Farbe(0, 95 + m, 143 + m); }
TColor FarbCodeAnimation(int k) { return Farbe(0, 151 + k, 199 + k); }

int SimulationsCode(float amplitude, int phase, int t, const Welle &w, const TSinCosTabelle &tab)
{
    return Runde(amplitude * tab.Sin48[Mod96(Runde(-w.p() * (t + 1)) + phase)]);
}

int EinfallCode(int x, int t, const Welle &w, const TSinCosTabelle &tab)
{
    return Runde(56.0 * tab.Cos48[Mod96(Runde(w.p() * (t - (x - w.lambda / 4) / w.c())))]);
}

Layout BerechneLayout(const Bildschirmmasse &b)
{
    Layout l;
    const int T = b.zurueckOben;
    const int R = b.spalte.rand, B = b.spalte.breite, L = b.spalte.links;
    const bool klein = b.hoehe < 768;  // small screens: the columns start at the top and close up
    int oben = 72;
    if (T - 584 < 136)
        l.f = (T - 584) / 8;
    if (klein) {
        oben = 8;
        l.f = std::clamp((T - 8 - oben - 517) / 6, 1, 16);
    }
    const int f = l.f;
    l.animSimu = QRect(R, oben, B, 137);
    l.datenEinf = QRect(R, l.animSimu.bottom() + 1 + 2 * f, B, 353);
    l.datenKompl = QRect(R, l.datenEinf.top(), B, 393);
    l.hinweise = QRect(R, l.datenKompl.bottom() + 1 + 2 * f, B, 57);
    l.lambda = QRect(L, oben, B, 97);
    l.zahlBilder = QRect(L, l.lambda.bottom() + 1 + f, B, 89);
    l.aufloesung = QRect(L, l.zahlBilder.bottom() + 1 + 2 * f, B, 81);
    l.zeichenFl = QRect(L, l.aufloesung.bottom() + 1 + f, B, 81);
    l.licht = QRect(L, l.zeichenFl.bottom() + 1 + 2 * f, B, 169);

    const int zwischenL = R + B, zwischenR = L;  // space between the columns
    const int titelBreite = std::min(560, zwischenR - zwischenL - 16);
    l.titel = QRect((zwischenL + zwischenR) / 2 - titelBreite / 2, 8, titelBreite, 49);

    const int flOben = l.titel.bottom() + 1 + 8;
    const int wa = L - R - B - 16;
    int ha = 656 - (l.titel.top() + l.titel.height());
    if (klein)
        ha = std::min(ha, b.hoehe - 8 - flOben);
    l.flaeche = QRect(R + B + 8, flOben, wa, ha);
    l.hinweis = QRect(l.flaeche.left(), l.flaeche.top(), wa, T - l.flaeche.top());

    const int rw = 320, rh = 96;
    const int mitteY = l.titel.bottom() + 1 + Runde(226 * b.F) + 16;
    l.ichRechne = QRect((zwischenL + zwischenR) / 2 - rw / 2, mitteY - rh / 2, rw, rh);
    return l;
}

QRect Bildort(const QRect &flaeche, int k)
{
    k = std::clamp(k, 0, 2);
    const int h = (k + 2) * (flaeche.height() / 4);
    const int w = std::min((k + 2) * (flaeche.width() / 4), (h / 3) * 4);
    const int qx = flaeche.left() + flaeche.width() / 4;
    const int my = flaeche.top() + flaeche.height() / 2;
    return QRect(qx - w / 4, my - h / 2, w, h);
}

}  // namespace Beugung

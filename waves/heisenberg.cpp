#include "heisenberg.h"

#include <algorithm>
#include <cmath>

namespace Heisenberg {

Masse MasseVon(int a, int U)
{
    Masse m;
    m.breite = 3 * a * U;
    m.hoehe = (2 * a + 2) * U;
    m.X0 = a * U;
    m.Y0 = (a + 1) * U;
    m.xmin = -a * U;
    m.xmax = 2 * a * U;
    return m;
}

double ErstesMinimum(int b, double lambda)
{
    if (2.0 * b < lambda || b <= 0)
        return M_PI / 2;
    return std::asin(lambda / (2.0 * b));
}

Richtungen BerechneRichtungen(int b, double lambda)
{
    Richtungen r;
    r.A[0] = r.I[0] = 1;
    for (int k = 1; k <= 360; ++k) {
        const double theta = k * 0.25 * M_PI / 180.0;
        const double u = M_PI * 2.0 * b * std::sin(theta) / lambda;
        const double a = u == 0 ? 1.0 : std::abs(std::sin(u) / u);
        r.A[std::size_t(k)] = a;
        r.I[std::size_t(k)] = a * a;
    }
    return r;
}

Huygens::Auftrag WellenfeldAuftrag(int b, double lambda)
{
    Huygens::Auftrag a;
    for (int y = -b; y <= b; ++y)
        a.blende.setzeOffen(y, true);
    a.blende.symmetrisch = true;
    a.lambda = lambda;
    a.xB = FeldBreite;
    a.yMax = FeldHoehe;
    a.d = 1;
    return a;
}

int EinfallCode(int x, int t, double c, double p, const TSinCosTabelle &tab)
{
    return Runde(56 * tab.Cos48[Huygens::Mod96(Runde(p * (t - x / c)))]);
}

int FeldCode(float amplitude, int phase, int t, double p, const TSinCosTabelle &tab)
{
    return Runde(amplitude * tab.Cos48[Huygens::Mod96(Runde(p * (t + 1)) - phase)]);
}

int IntensCode(int x, int y, const Richtungen &r)
{
    const int j = std::clamp(Runde(std::atan2(std::abs(y), x) / M_PI * 720), 0, 360);
    return Runde(112 * r.I[std::size_t(j)]);
}

void Starte(Photon &ph, const Masse &m, int b, bool vergroessert, const Richtungen &r, const GanzZufall &ganz,
            const ReellZufall &reell)
{
    ph.x = m.xmin;
    int k = 0;
    do
        k = ganz(360);
    while (!(reell() < r.I[std::size_t(std::clamp(k, 0, 360))]));
    const int vorzeichen = reell() < 0.5 ? -1 : 1;
    ph.k = vorzeichen * k;
    ph.y = vergroessert ? 0 : vorzeichen * ganz(std::max(1, b - ph.halb));
    const double theta = ph.k * M_PI / 720;
    ph.vx = ph.speed * std::cos(theta);
    ph.vy = ph.speed * std::sin(theta);
    ph.aktiv = true;
}

void Bewege(Photon &ph)
{
    if (ph.x < 0) {
        ph.x += ph.speed;
    } else {
        ph.x += ph.vx;
        ph.y += ph.vy;
    }
}

bool Verlaesst(const Photon &ph, const Masse &m, int schritt)
{
    return ph.x > m.xmax || (schritt == 4 && ph.x >= 0) || std::abs(ph.y) > m.Y0;
}

bool StartetJetzt(double c, const Masse &m, const ReellZufall &reell)
{
    return reell() * (m.xmax - m.xmin) < c;
}

Layout BerechneLayout(const Bildschirmmasse &b)
{
    Layout l;
    const int W = b.breite, T = b.zurueckOben;
    const int titelUnten = 8 + 49;
    const int hinweiseOben = T - 72;
    l.U = std::max(8, std::min({(W - 153 - 264) / 6, (hinweiseOben - titelUnten - 16) / 5, 114}) / 2);
    const int U = l.U;
    l.textBreite = std::min(W - 185 - 12 * U, 360);  // narrow screens: the column ends inside the screen
    l.m = std::max(0, (W - 12 * U - l.textBreite - 153) / 2);
    l.XC = l.textBreite + l.m + 4 * U + 8;
    l.YC = titelUnten + 5 * U + 8;
    const QRect gross = l.bild(4);
    const int hinweiseBreite = 161;
    const int flBreite = std::min(300, gross.width() - hinweiseBreite - 8);
    l.zeichenflaeche = QRect(gross.left(), hinweiseOben, flBreite, 72);
    l.hinweise = QRect(gross.right() + 1 - hinweiseBreite, hinweiseOben, hinweiseBreite, 57);
    l.text = QRect(l.m, gross.top(), l.textBreite, l.hinweise.bottom() + 1 - gross.top());
    l.titel = QRect(l.text.left(), 8, gross.right() + 1 - l.text.left(), 49);  // over text and picture
    const int spalte = l.textBreite + l.m + 12 * U + 16;
    // down to the back button's top, so that it covers the panels under the picture entirely
    l.info = QRect(l.text.right() + 1 + 8, titelUnten + 8, spalte - 8 - (l.text.right() + 1 + 8),
                   T - (titelUnten + 8));
    const int hoehen[] = {89, 89, 89, 41, 169};
    int summe = 0;
    for (int h : hoehen)
        summe += h;
    const int G = std::max(0, (T - summe) / 9);
    QRect *ziele[] = {&l.spaltB, &l.lambda, &l.aufloesung, &l.mitIntens, &l.simulation};
    int oben = 2 * G;
    for (int i = 0; i < 5; ++i) {
        *ziele[i] = QRect(spalte, oben, SpaltenBreite, hoehen[i]);
        oben += hoehen[i] + G;
    }
    return l;
}

}  // namespace Heisenberg

#include "photokit.h"

#include "farbe.h"

#include <algorithm>
#include <cstdlib>

namespace Photoeffekt {

int ElektronenRadiusRoh(int bildHoehe) { return Runde(bildHoehe / 544.0 * 6.0); }

int ElektronenRadius(int bildHoehe) { return std::clamp(ElektronenRadiusRoh(bildHoehe), 6, 9); }

int QuantRadius(int r, int frequenzTHz)
{
    return std::min(27, Runde(r * 1.5 * frequenzTHz / 375.0));
}

void DefQuant(Quanten &q, const QVector<QPoint> &strahlen)
{
    for (int k = 0; k < ElektronenAnzahl; ++k) {
        q[k].index = k;
        q[k].aktiv = false;
        if (!strahlen.isEmpty()) {
            const QPoint s = strahlen[std::min<int>(k, int(strahlen.size()) - 1)];
            q[k].x = s.x();
            q[k].y = s.y();
        }
    }
}

Lampe LampenGeometrie(int x0, int yOben, int kathodeX, int D, int anzahl)
{
    Lampe l;
    anzahl = std::max(anzahl, 1);
    const int y0 = yOben - (kathodeX - x0) / 6;
    const int d = Runde(D * 21 * 0.97222222222222222225);
    l.strahlen.append(QPoint(x0, y0));
    for (int i = 1; i < anzahl; ++i)
        l.strahlen.append(QPoint(x0 - d / 6 * i / (anzahl - 1), y0 + d * i / (anzahl - 1)));
    const int r = (D - 1) / 2, r6 = r / 6;
    const QPoint letzter = l.strahlen.last();
    l.linse1 = QPoint(x0 + r6 - r, y0 - r - r6);
    l.linse2 = QPoint(letzter.x() - r - r6, letzter.y() + r - r6);
    return l;
}

Lampe LampenGeometriePlanck(int x0, int yOben, int kathodeX, int D)
{
    Lampe l;
    const int y0 = yOben - (kathodeX - x0) / 6;
    const int L = 20 * D;
    for (int i = 0; i < ElektronenAnzahl; ++i)
        l.strahlen.append(QPoint(x0 - L / 6 * i / 21, y0 + i * (L + L / 36) / 21));
    const int r = (D - 1) / 2, r6 = r / 6;
    const QPoint letzter = l.strahlen.last();
    l.linse1 = QPoint(x0 + r6 - r, y0 - r - r6);
    l.linse2 = QPoint(letzter.x() - r - r6, letzter.y() + r - r6);
    return l;
}

int WellenIndex(int a, int x, double K, int laenge)
{
    const int k = Runde((double(a) - x) * K);
    return ((k % laenge) + laenge) % laenge;
}

double WellenSinus(int index, int laenge)
{
    if (laenge == 192)
        return SinCosTabelle.Sin96[index];
    if (laenge == 384)
        return SinCosTabelle.Sin192[index];
    return std::sin(2 * M_PI * index / laenge);
}

int WellenY(QPoint start, int x, int index, int amplitude, int laenge)
{
    return start.y() + (x - start.x()) / 6 - Runde(amplitude * WellenSinus(index, laenge));
}

int PhaseWeiter(int a, int schritt, int laenge) { return (((a + schritt) % laenge) + laenge) % laenge; }

QRect Galvanometer::umriss() const
{
    const int rand = std::max({gehaeuseStift, skalaStift, zeigerStift}) + 1;
    return QRect(drehpunkt.x() - w - rand, drehpunkt.y() - hoehe - rand, 2 * (w + rand) + 1, hoehe + 2 * rand + 1);
}

Galvanometer SkaliertesGalvanometer(QPoint drehpunkt, int bildschirmHoehe, int gehaeuseStift, double schwenk)
{
    const double s = bildschirmHoehe / 740.0;
    Galvanometer g;
    g.drehpunkt = drehpunkt;
    g.w = Runde(64 * s);
    g.hoehe = Runde(80 * s);
    g.gehaeuseStift = gehaeuseStift;
    g.skalaStift = 5;
    g.aussenRadius = g.hoehe - 10;
    g.innenRadius = 20;
    g.endeInnen = 14;
    g.endeAussen = Runde(g.aussenRadius * 0.71);
    g.fuellPunkt = QPoint(drehpunkt.x(), drehpunkt.y() - (g.hoehe + 10) / 2);
    g.R1 = 24;
    g.R2 = g.hoehe - 18;
    g.zeigerStift = 7;
    g.schwenk = schwenk;
    return g;
}

Galvanometer FestesGalvanometer(QPoint drehpunkt)
{
    Galvanometer g;
    g.drehpunkt = drehpunkt;
    g.fuellPunkt = QPoint(drehpunkt.x(), drehpunkt.y() - 37);
    return g;
}

QLine ZeigerLinie(const Galvanometer &g, double d)
{
    d = std::clamp(d, 0.0, 1.0);
    const double theta = 3 * M_PI / 4 - d * g.schwenk;
    const int xg = g.drehpunkt.x(), yg = g.drehpunkt.y();
    const double c = std::cos(theta), s = std::sin(theta);
    return QLine(xg + Runde(c * g.R1), yg - Runde(s * g.R1), xg + Runde(c * g.R2), yg - Runde(s * g.R2));
}

double Austrittsgeschwindigkeit(double h, double frequenz, double austrittsarbeitEV, double e, double m)
{
    const double energie = h * frequenz - austrittsarbeitEV * e;
    if (!(energie > 0) || !(m > 0))
        return 0;
    return -std::sqrt(2 * energie / m);
}

int StreifenX(int frequenzTHz, int breite)
{
    return Runde(double(frequenzTHz - StreifenVon) * (breite - 1) / (StreifenBis - StreifenVon));
}

int StreifenFrequenz(int x, int breite)
{
    if (breite < 2)
        return StreifenVon;
    x = std::clamp(x, 0, breite - 1);
    return Runde(double(x) * (StreifenBis - StreifenVon) / (breite - 1)) + StreifenVon;
}

bool FrequenzWaehlbar(int frequenzTHz) { return frequenzTHz >= StreifenVon && frequenzTHz <= StreifenBis; }

int LinieBeiFrequenz(const Linienspektrum &spektrum, int fc)
{
    const int n = std::clamp(spektrum.Anzahl, 0, 9);
    for (int i = 0; i < n; ++i)
        if (std::abs(spektrum.Linie[i].FrequenzTHz - fc) <= 5)
            return i;
    return -1;
}

}  // namespace Photoeffekt

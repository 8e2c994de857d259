#include "einstein.h"

#include <QCoreApplication>

#include <algorithm>

namespace Photoeffekt {

const EinsteinMetall EinsteinMetalle[4] = {
    {QT_TRANSLATE_NOOP("Einstein", "Natrium"), 2.28, "Na"},
    {QT_TRANSLATE_NOOP("Einstein", "Kalium"), 2.25, "Ka"},
    {QT_TRANSLATE_NOOP("Einstein", "Rubidium"), 2.13, "Rb"},
    {QT_TRANSLATE_NOOP("Einstein", "Cäsium"), 1.94, "Cs"},
};

QString EinsteinMetallName(const EinsteinMetall &m) { return QCoreApplication::translate("Einstein", m.name); }

EinsteinAchsen EinsteinKoordinaten(int breite, int hoehe)
{
    EinsteinAchsen a;
    a.x0 = 100;
    a.y0 = hoehe / 2;
    a.sx = breite * 0.75 / 800.0;
    a.sy = a.y0 / 3.0;
    return a;
}

double KinetischeEnergie(double h, double frequenzHz, double eV, double e) { return (h * frequenzHz - eV * e) / e; }

double GrenzfrequenzTHz(double h, double eV, double e) { return h > 0 ? eV * e / h / 1e12 : 0; }

QVector<Messpunkt> Messpunkte(const Linienspektrum &lampe, double eV, double h, double e)
{
    QVector<Messpunkt> punkte;
    const int n = std::clamp(lampe.Anzahl, 0, 9);
    for (int i = 0; i < n; ++i) {
        const double wk = KinetischeEnergie(h, lampe.Linie[i].Frequenz, eV, e);
        if (wk < 0)
            continue;
        punkte.append({i, lampe.Linie[i].Frequenz / 1e12, wk});
    }
    return punkte;
}

int HoechsteLinie(const Linienspektrum &lampe)
{
    const int n = std::clamp(lampe.Anzahl, 0, 9);
    int beste = -1;
    for (int i = 0; i < n; ++i)
        if (beste < 0 || lampe.Linie[i].Frequenz > lampe.Linie[beste].Frequenz)
            beste = i;
    return beste;
}

int ErsterGezeigter(const bool gezeigt[4])
{
    for (int i = 0; i < 4; ++i)
        if (gezeigt[i])
            return i;
    return -1;
}

}  // namespace Photoeffekt

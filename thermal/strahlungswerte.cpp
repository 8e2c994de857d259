#include "strahlungswerte.h"

#include <QCoreApplication>

#include <cmath>

namespace Waermestrahlung {

namespace {
const QString einheit = QStringLiteral(" / W·m⁻³·sr⁻¹");

struct Spalte {
    QString titel;
    double (*funktion)(double, double, double);  // of wavelength (m) or frequency (Hz), T and h
    double T;
};

WerteTabelle tabelle(const StrahlungsZustand &z, const Diagrammmasse &m, const QList<Spalte> &spalten, double h)
{
    WerteTabelle t;
    t.spalten << (z.ueberFrequenz ? QCoreApplication::translate("Strahlungswerte", "Frequenz / THz")
                                  : QCoreApplication::translate("Strahlungswerte", "Wellenlänge / nm"));
    if (spalten.isEmpty())
        return t;
    for (const Spalte &s : spalten)
        t.spalten << s.titel;
    const double bereich = Achsenbereich(z, m);
    const double schritt = Tabellenschritt(bereich);
    if (schritt <= 0)
        return t;
    const double einheitSI = z.ueberFrequenz ? 1e12 : 1e-9;
    for (int k = 1; k * schritt <= bereich * (1 + 1e-12); ++k) {
        const double x = k * schritt;
        QList<double> zeile{x};
        for (const Spalte &s : spalten)
            zeile << s.funktion(x * einheitSI, s.T, h);
        t.zeilen << zeile;
    }
    return t;
}

QString temperatur(int T) { return QStringLiteral(" T = %1 K").arg(T); }
}  // namespace

QList<int> GezeigteTemperaturen(const StrahlungsZustand &z)
{
    if (z.variabel)
        return {z.varTemperatur};
    QList<int> liste;
    for (std::size_t i = 0; i < FesteTemperaturen.size(); ++i)
        if (z.temperatur[i])
            liste << FesteTemperaturen[i];
    return liste;
}

double Tabellenschritt(double bereich, int maxZeilen)
{
    if (!(bereich > 0) || !std::isfinite(bereich) || maxZeilen < 1)
        return 0;
    for (double dekade = 1;; dekade *= 10)
        for (double faktor : {1.0, 2.0, 5.0})
            if (bereich / (faktor * dekade) <= maxZeilen)
                return faktor * dekade;
}

double Achsenbereich(const StrahlungsZustand &z, const Diagrammmasse &m)
{
    // The axis end lies 20 px before L at position × 10 THz (or nm).
    const double ende = z.ueberFrequenz ? z.positionFrequenz * 10.0 : z.positionWLaenge * 10.0;
    return m.L > 20 ? ende * m.L / (m.L - 20) : 0;
}

WerteTabelle SchwarzkoerperWerte(const SchwarzkoerperZustand &z, const Diagrammmasse &m, double h)
{
    const bool f = z.ueberFrequenz;
    const QList<int> Ts = GezeigteTemperaturen(z);
    QList<Spalte> spalten;
    auto familie = [&](bool an, const QString &name, double (*nu)(double, double, double),
                       double (*lambda)(double, double, double),
                       const QString &nachsatz) {
        if (!an)
            return;
        for (int T : Ts)
            spalten << Spalte{name + temperatur(T) + nachsatz, f ? nu : lambda, double(T)};
    };
    familie(z.gemessen, QCoreApplication::translate("Strahlungswerte", "gemessen (Planck)"), PlanckNu, PlanckLambda,
            einheit);
    familie(z.wien, QStringLiteral("Wien"), WienNu, WienLambda, einheit);
    familie(z.rayleighJeans, QCoreApplication::translate("Strahlungswerte", "Rayleigh-Jeans"), RJNu, RJLambda,
            einheit);
    familie(z.wienRelativ, QCoreApplication::translate("Strahlungswerte", "Wien : gemessen"), WienRelNu, WienRelLambda,
            QString());
    familie(z.rayleighJeansRelativ, QCoreApplication::translate("Strahlungswerte", "Rayleigh-Jeans : gemessen"), RJRelNu,
            RJRelLambda, QString());
    return tabelle(z, m, spalten, h);
}

WerteTabelle PlanckWerte(const PlanckZustand &z, const Diagrammmasse &m, double h)
{
    QList<Spalte> spalten;
    for (int T : GezeigteTemperaturen(z))
        spalten << Spalte{QStringLiteral("Planck") + temperatur(T) + einheit, z.ueberFrequenz ? PlanckNu : PlanckLambda,
                          double(T)};
    return tabelle(z, m, spalten, h);
}

}  // namespace Waermestrahlung

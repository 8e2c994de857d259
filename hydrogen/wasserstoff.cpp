#include "wasserstoff.h"

#include "zahltext.h"

#include <QCoreApplication>

#include <cmath>

namespace Wasserstoff {

double LinienFrequenzTHz(int n, int m, double rydberg)
{
    const double kehr = m <= 0 ? 0.0 : 1.0 / (double(m) * m);
    return (1.0 / (double(n) * n) - kehr) * rydberg * 1e-12;
}

double SerienFrequenz(int n, int m) { return LinienFrequenzTHz(n, m, RydbergSerien); }

double SerienGrenze(int n) { return SerienFrequenz(n, 0); }

double WellenlaengeNm(double fTHz) { return fTHz > 0 ? 300000.0 / fTHz : 0.0; }

float Bindungsenergie(int j)
{
    return float(RydbergFrequenz / (double(j) * j) * HStufen / EStufen);
}

float Anregungsenergie(int j)
{
    return float((1.0 - 1.0 / (double(j) * j)) * RydbergFrequenz * HStufen / EStufen);
}

int PhotonFrequenzTHz(double energieEV) { return Runde(energieEV * EStufen / HStufen * 1e-12); }

double StufenLinienFrequenz(int n, int m) { return LinienFrequenzTHz(n, m, RydbergFrequenz); }

int NiveauFrequenz(int n) { return n < 1 ? 0 : Runde(LinienFrequenzTHz(1, n, RydbergBohr)); }

int UebergangsFrequenz(int nUnten, int nOben)
{
    if (nUnten < 1 || nOben < 1)
        return 0;
    return Runde(LinienFrequenzTHz(nUnten, nOben, RydbergBohr));
}

double GesamtEnergie(int n) { return n < 1 ? 0 : -13.6 / (n * n); }

QString EnergieText(double eV, EnergieStellen stellen)
{
    if (stellen == EnergieStellen::eine)
        return Komma(eV, 1);
    // Bohr's form rounds to hundredths first and keeps them below 1 eV
    const QString t = KommaMitMinus(std::round(eV * 100) / 100, std::abs(eV) < 0.995 ? 2 : 1);
    return t == MitKomma(QStringLiteral("0.00")) ? MitKomma(QStringLiteral("0.0")) : t;
}

TColor LinienFarbe(int n, int m, double frequenzTHz)
{
    if (n == 2) {
        if (m == 3 || m == 4)
            return FarbeAusFrequenz(Runde(frequenzTHz));
        if (m == 5)
            return 0xFC9F2E;
        if (m == 6)
            return 0xFF919B;
    }
    return 0xC0C0C0;
}

QVector<Linie> WasserstoffLinien(int serien, int linien)
{
    QVector<Linie> liste;
    for (int n = 1; n <= serien; ++n)
        for (int m = n + 1; m <= n + linien; ++m) {
            const double f = SerienFrequenz(n, m);
            liste.append({n, m, f, WellenlaengeNm(f)});
        }
    return liste;
}

QString SerienVorsilbe(int n)
{
    static const char *const namen[] = {QT_TRANSLATE_NOOP("Wasserstoff", "Lyman-"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Balmer-"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Paschen-"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Brackett-"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Pfund-")};
    return n >= 1 && n <= 5 ? QCoreApplication::translate("Wasserstoff", namen[n - 1]) : QString();
}

QString SerienName(int n)
{
    static const char *const namen[] = {QT_TRANSLATE_NOOP("Wasserstoff", "Lyman-Serie"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Balmer-Serie"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Paschen-Serie"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Brackett-Serie"),
                                        QT_TRANSLATE_NOOP("Wasserstoff", "Pfund-Serie")};
    return n >= 1 && n <= 5 ? QCoreApplication::translate("Wasserstoff", namen[n - 1]) : QString();
}

}  // namespace Wasserstoff

#include "wasserstoff.h"

#include "zahltext.h"

#include <cmath>

namespace Wasserstoff {

double SerienFrequenz(int n, int m)
{
    const double kehr = m <= 0 ? 0.0 : 1.0 / (double(m) * m);
    return CSerien * RSerien * (1.0 / (double(n) * n) - kehr) * 1e-12;
}

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

double StufenLinienFrequenz(int n, int m)
{
    return (1.0 / (double(n) * n) - 1.0 / (double(m) * m)) * RydbergFrequenz * 1e-12;
}

QString EnergieText(double eV) { return Komma(eV, 1); }

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

QString SerienName(int n)
{
    static const char *const namen[] = {"Lyman-Serie", "Balmer-Serie", "Paschen-Serie", "Brackett-Serie",
                                        "Pfund-Serie"};
    return n >= 1 && n <= 5 ? QString::fromLatin1(namen[n - 1]) : QString();
}

}  // namespace Wasserstoff

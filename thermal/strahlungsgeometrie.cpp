#include "strahlungsgeometrie.h"

#include "global.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Waermestrahlung {

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr int Ueberstand = 16;  // pixels beyond the picture's edges that curves may reach
}  // namespace

double Diagrammmasse::yMin() const { return double(Y0 - hoehe - Ueberstand); }
double Diagrammmasse::yMax() const { return double(Y0 + Ueberstand); }

double Diagrammmasse::begrenzt(double y) const
{
    if (std::isnan(y))
        return y;
    return std::clamp(y, yMin(), yMax());
}

Diagrammmasse BerechneMasse(int bildBreite, int bildHoehe, int achsenRand)
{
    Diagrammmasse m;
    m.breite = std::max(bildBreite, 0);
    m.hoehe = std::max(bildHoehe, 0);
    m.X0 = 50;
    m.Y0 = m.hoehe - 140;
    m.L = m.breite - achsenRand;
    m.Hmax = m.Y0 - 50;
    return m;
}

double SkalaFrequenz(int L, int position) { return (L - 20) / (position * 1e13); }
double SkalaWellenlaenge(int L, int position) { return (L - 20) / (position * 1e-8); }

double TickSchritt(double pixelProEinheit)
{
    if (!std::isfinite(pixelProEinheit) || pixelProEinheit <= 0)
        return 0;
    double schritt = 10;
    int stufe = 0;  // 0: 1·10^n, 1: 2·10^n, 2: 5·10^n
    while (schritt * pixelProEinheit < 120 && schritt < 1e300) {
        schritt *= stufe == 1 ? 2.5 : 2.0;
        stufe = (stufe + 1) % 3;
    }
    return schritt;
}

QVector<Tick> HauptTicks(bool ueberFrequenz, double skala, int L)
{
    QVector<Tick> ticks;
    const double proEinheit = ueberFrequenz ? skala * 1e12 : skala * 1e-9;
    const double schritt = TickSchritt(proEinheit);
    if (schritt <= 0)
        return ticks;
    // At least 120 px per step: the loop ends after at most L/120 ticks. A tick at the
    // axis end (x = L − 20 up to rounding) is not below it: the margin keeps rounding
    // noise from deciding whether the end value is drawn.
    for (int k = ueberFrequenz ? 0 : 1;; ++k) {
        const double x = k * schritt * proEinheit;
        if (!(x < L - 20 - 1e-6))
            break;
        const double wert = k * schritt;
        ticks.append({x, wert < 2e9 ? int(wert) : 2000000000, true});
    }
    return ticks;
}

QVector<Tick> NebenTicks(bool ueberFrequenz, double skala, int L)
{
    QVector<Tick> ticks;
    if (!std::isfinite(skala) || skala <= 0)
        return ticks;
    auto hinzu = [&](int wert, bool beschriftet) {
        // wavelength in nm -> frequency position, frequency in THz -> wavelength position
        const double x = ueberFrequenz ? Lichtgeschwindigkeit / (wert * 1e-9) * skala
                                       : Lichtgeschwindigkeit / (wert * 1e12) * skala;
        if (x >= 0 && x <= L)
            ticks.append({x, wert, beschriftet});
    };
    if (ueberFrequenz) {
        for (int i = 4; i <= 19; ++i) {
            const int nm = 50 * i;
            hinzu(nm, nm == 200 || nm == 300 || nm == 400 || nm == 500);
        }
    } else {
        for (int i = 2; i <= 19; ++i) {
            const int thz = 50 * i;
            hinzu(thz, thz == 100 || thz == 150 || thz == 200 || thz == 300 || thz == 400 || thz == 500);
        }
    }
    for (int wert : {1000, 2000, 3000, 4000})
        hinzu(wert, wert == 1000 || wert == 4000);
    return ticks;
}

double Hoehe(double wert, double referenz, double Hmax)
{
    if (std::isnan(wert) || !std::isfinite(referenz) || referenz <= 0)
        return NaN;
    return wert / referenz * Hmax;
}

double VerhaeltnisHoehe(double verhaeltnis) { return verhaeltnis * EinheitsHoehe; }

int Zentriert(double xa, double xb, int w)
{
    const double mitte = (xa + xb) / 2;
    if (!std::isfinite(mitte))
        return 0;
    return Runde(mitte - w / 2.0);
}

}  // namespace Waermestrahlung

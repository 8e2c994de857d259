#include "huygens.h"

#include <algorithm>
#include <cmath>

namespace Huygens {

std::vector<std::pair<int, int>> Blende::offeneBereiche() const
{
    std::vector<std::pair<int, int>> b;
    for (int y = -MaskenRand; y <= MaskenRand; ++y) {
        if (!istOffen(y))
            continue;
        if (!b.empty() && b.back().second == y - 1)
            b.back().second = y;
        else
            b.push_back({y, y});
    }
    return b;
}

namespace {

// Table index of a wavelet's phase at distance rho: round(frac(rho / λ) · 96), 0..96.
inline int Stufe(double rho, double lambda)
{
    const double q = rho / lambda;
    return Runde((q - std::floor(q)) * 96.0);
}

}  // namespace

int PhasenIndex(double re, double im)
{
    if (re == 0 && im == 0)
        return 0;
    return Mod96(Runde(std::atan2(im, re) / M_PI * 48.0));
}

std::pair<double, double> DirekteSumme(const Blende &b, double lambda, int x, int y, const TSinCosTabelle &tabelle)
{
    double re = 0, im = 0;
    for (int s = -MaskenRand; s <= MaskenRand; ++s) {
        if (!b.istOffen(s))
            continue;
        const double rho = std::sqrt(double(x) * x + double(y - s) * (y - s));
        const int i = Stufe(rho, lambda);
        const double w = 1.0 / std::sqrt(rho);
        re += tabelle.Cos48[i] * w;
        im += tabelle.Sin48[i] * w;
    }
    return {re, im};
}

std::optional<Feld> Berechne(const Auftrag &a, const TSinCosTabelle &tabelle, const Fortschritt &fortschritt)
{
    Feld f;
    const int d = std::max(1, a.d);
    const int yMax = std::clamp(a.yMax, 0, MaskenRand);
    f.d = d;
    for (int x = d; x <= a.xB; x += d)
        f.spaltenX.push_back(x);

    // computed rows and the stored rows they fill
    std::vector<int> rechenY;
    const bool sym = a.blende.symmetrisch;
    for (int y = sym ? 0 : -yMax; y <= yMax; y += d)
        rechenY.push_back(y);
    if (sym) {
        for (auto it = rechenY.rbegin(); it != rechenY.rend(); ++it)
            if (*it > 0)
                f.zeilenY.push_back(-*it);
    }
    f.zeilenY.insert(f.zeilenY.end(), rechenY.begin(), rechenY.end());
    const std::size_t versatz = sym ? rechenY.size() - 1 : 0;  // stored row of computed row 0

    const std::size_t n = f.spaltenX.size() * f.zeilenY.size();
    f.phase.assign(n, 0);
    f.intensitaet.assign(n, 0.f);
    f.amplitude.assign(n, 0.f);

    const auto bereiche = a.blende.offeneBereiche();
    const int maxAbstand = MaskenRand + yMax + 1;
    // running sums of the terms over |Δy| = 0..k, stored at k + 1 (entry 0 is the empty sum)
    std::vector<double> summeRe(std::size_t(maxAbstand) + 2), summeIm(std::size_t(maxAbstand) + 2);
    std::vector<double> rohI(n, 0.0);
    double groesste = 0;

    for (std::size_t sp = 0; sp < f.spaltenX.size(); ++sp) {
        const double x = f.spaltenX[sp];
        for (int k = 0; k <= maxAbstand; ++k) {
            const double rho = std::sqrt(x * x + double(k) * k);
            const int i = Stufe(rho, a.lambda);
            const double w = 1.0 / std::sqrt(rho);
            summeRe[std::size_t(k) + 1] = summeRe[std::size_t(k)] + tabelle.Cos48[i] * w;
            summeIm[std::size_t(k) + 1] = summeIm[std::size_t(k)] + tabelle.Sin48[i] * w;
        }
        // sum of the terms for |Δy| from k1 to k2 (k1 ≤ k2)
        auto teil = [&](int k1, int k2, double &re, double &im) {
            if (k1 > k2)
                return;
            re += summeRe[std::size_t(k2) + 1] - summeRe[std::size_t(k1)];
            im += summeIm[std::size_t(k2) + 1] - summeIm[std::size_t(k1)];
        };
        for (std::size_t z = 0; z < rechenY.size(); ++z) {
            const int y = rechenY[z];
            double re = 0, im = 0;
            for (const auto &[von, bis] : bereiche) {
                // sources at or below y: Δy = y − y′ from y − min(bis, y) to y − von
                if (von <= y)
                    teil(y - std::min(bis, y), y - von, re, im);
                // sources above y: Δy = y′ − y from max(von, y + 1) − y to bis − y
                if (bis > y)
                    teil(std::max(von, y + 1) - y, bis - y, re, im);
            }
            const double intens = re * re + im * im;
            const auto ph = std::uint8_t(PhasenIndex(re, im));
            const std::size_t zeile = versatz + z;
            f.phase[f.index(sp, zeile)] = ph;
            rohI[f.index(sp, zeile)] = intens;
            if (sym && y > 0) {
                f.phase[f.index(sp, versatz - z)] = ph;
                rohI[f.index(sp, versatz - z)] = intens;
            }
            groesste = std::max(groesste, intens);
        }
        if (fortschritt && !fortschritt(int(sp) + 1, int(f.spaltenX.size())))
            return std::nullopt;
    }

    for (std::size_t i = 0; i < n; ++i) {
        const double norm = groesste > 0 ? rohI[i] / groesste : 0.0;
        f.intensitaet[i] = float(norm);
        f.amplitude[i] = float(56.0 * std::sqrt(norm));
    }
    return f;
}

bool FeldSchritt(std::optional<Feld> &feld, const std::function<std::optional<Feld>(const Fortschritt &)> &rechnen,
                 const std::function<void(int fertig, int gesamt)> &zeigen)
{
    std::optional<Feld> f = rechnen([&](int fertig, int gesamt) {
        zeigen(fertig, gesamt);
        return true;
    });
    if (!f)
        return false;
    feld = std::move(f);
    return true;
}

}  // namespace Huygens

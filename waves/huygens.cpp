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

Rechnung::Rechnung(const Auftrag &a, const TSinCosTabelle &tabelle) : tabelle_(tabelle), lambda_(a.lambda)
{
    const int d = std::max(1, a.d);
    const int yMax = std::clamp(a.yMax, 0, MaskenRand);
    f_.d = d;
    for (int x = d; x <= a.xB; x += d)
        f_.spaltenX.push_back(x);

    // computed rows and the stored rows they fill
    sym_ = a.blende.symmetrisch;
    for (int y = sym_ ? 0 : -yMax; y <= yMax; y += d)
        rechenY_.push_back(y);
    if (sym_) {
        for (auto it = rechenY_.rbegin(); it != rechenY_.rend(); ++it)
            if (*it > 0)
                f_.zeilenY.push_back(-*it);
    }
    f_.zeilenY.insert(f_.zeilenY.end(), rechenY_.begin(), rechenY_.end());
    versatz_ = sym_ ? rechenY_.size() - 1 : 0;

    const std::size_t n = f_.spaltenX.size() * f_.zeilenY.size();
    f_.phase.assign(n, 0);
    f_.intensitaet.assign(n, 0.f);
    f_.amplitude.assign(n, 0.f);
    rohI_.assign(n, 0.0);

    bereiche_ = a.blende.offeneBereiche();
    maxAbstand_ = MaskenRand + yMax + 1;
    // running sums of the terms over |Δy| = 0..k, stored at k + 1 (entry 0 is the empty sum)
    summeRe_.assign(std::size_t(maxAbstand_) + 2, 0.0);
    summeIm_.assign(std::size_t(maxAbstand_) + 2, 0.0);
}

bool Rechnung::Schritt()
{
    if (spalte_ >= f_.spaltenX.size())
        return false;
    const std::size_t sp = spalte_++;
    const double x = f_.spaltenX[sp];
    for (int k = 0; k <= maxAbstand_; ++k) {
        const double rho = std::sqrt(x * x + double(k) * k);
        const int i = Stufe(rho, lambda_);
        const double w = 1.0 / std::sqrt(rho);
        summeRe_[std::size_t(k) + 1] = summeRe_[std::size_t(k)] + tabelle_.Cos48[i] * w;
        summeIm_[std::size_t(k) + 1] = summeIm_[std::size_t(k)] + tabelle_.Sin48[i] * w;
    }
    // sum of the terms for |Δy| from k1 to k2 (k1 ≤ k2)
    auto teil = [&](int k1, int k2, double &re, double &im) {
        if (k1 > k2)
            return;
        re += summeRe_[std::size_t(k2) + 1] - summeRe_[std::size_t(k1)];
        im += summeIm_[std::size_t(k2) + 1] - summeIm_[std::size_t(k1)];
    };
    for (std::size_t z = 0; z < rechenY_.size(); ++z) {
        const int y = rechenY_[z];
        double re = 0, im = 0;
        for (const auto &[von, bis] : bereiche_) {
            // sources at or below y: Δy = y − y′ from y − min(bis, y) to y − von
            if (von <= y)
                teil(y - std::min(bis, y), y - von, re, im);
            // sources above y: Δy = y′ − y from max(von, y + 1) − y to bis − y
            if (bis > y)
                teil(std::max(von, y + 1) - y, bis - y, re, im);
        }
        const double intens = re * re + im * im;
        const auto ph = std::uint8_t(PhasenIndex(re, im));
        const std::size_t zeile = versatz_ + z;
        f_.phase[f_.index(sp, zeile)] = ph;
        rohI_[f_.index(sp, zeile)] = intens;
        if (sym_ && y > 0) {
            f_.phase[f_.index(sp, versatz_ - z)] = ph;
            rohI_[f_.index(sp, versatz_ - z)] = intens;
        }
        groesste_ = std::max(groesste_, intens);
    }
    return spalte_ < f_.spaltenX.size();
}

Feld Rechnung::Ergebnis()
{
    for (std::size_t i = 0; i < rohI_.size(); ++i) {
        const double norm = groesste_ > 0 ? rohI_[i] / groesste_ : 0.0;
        f_.intensitaet[i] = float(norm);
        f_.amplitude[i] = float(56.0 * std::sqrt(norm));
    }
    return std::move(f_);
}

std::optional<Feld> Berechne(const Auftrag &a, const TSinCosTabelle &tabelle, const Fortschritt &fortschritt)
{
    Rechnung r(a, tabelle);
    while (r.fertig() < r.gesamt()) {
        r.Schritt();
        if (fortschritt && !fortschritt(r.fertig(), r.gesamt()))
            return std::nullopt;
    }
    return r.Ergebnis();
}

}  // namespace Huygens

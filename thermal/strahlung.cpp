#include "strahlung.h"

#include "global.h"

#include <cmath>
#include <limits>

namespace Waermestrahlung {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool positiv(double v) { return std::isfinite(v) && v > 0; }

// h for this evaluation, or NaN when the shared constant is not usable.
double h()
{
    const double wert = Planckkonstante;
    return positiv(wert) ? wert : NaN;
}

constexpr double c = Lichtgeschwindigkeit;
constexpr double k = Boltzmann;

// (e^x − 1)/x for x > 0, tending to 1 for x → 0; +inf once e^x overflows.
double RJVerhaeltnis(double x)
{
    if (std::isnan(x))
        return NaN;
    if (x == 0)
        return 1.0;
    return std::expm1(x) / x;
}

// 1 − e^(−x), without cancellation for small x.
double WienVerhaeltnis(double x)
{
    if (std::isnan(x))
        return NaN;
    return -std::expm1(-x);
}

}  // namespace

double XLambda(double lambda, double T)
{
    if (!positiv(lambda) || !positiv(T))
        return NaN;
    return h() * c / (lambda * k * T);
}

double XNu(double nu, double T)
{
    if (!positiv(nu) || !positiv(T))
        return NaN;
    return h() * nu / (k * T);
}

double PlanckLambda(double lambda, double T)
{
    const double x = XLambda(lambda, T);
    if (std::isnan(x))
        return NaN;
    const double l5 = std::pow(lambda, 5);
    return 2 * h() * c * c / (l5 * std::expm1(x));
}

double WienLambda(double lambda, double T)
{
    const double x = XLambda(lambda, T);
    if (std::isnan(x))
        return NaN;
    // e^(−x)/λ⁵ combined in the exponent, so that a tiny λ cannot give inf · 0.
    return 2 * h() * c * c * std::exp(-x - 5 * std::log(lambda));
}

double RJLambda(double lambda, double T)
{
    if (!positiv(lambda) || !positiv(T))
        return NaN;
    return 2 * c * k * T / std::pow(lambda, 4);
}

double WienRelLambda(double lambda, double T) { return WienVerhaeltnis(XLambda(lambda, T)); }
double RJRelLambda(double lambda, double T) { return RJVerhaeltnis(XLambda(lambda, T)); }

double PlanckNu(double nu, double T)
{
    const double x = XNu(nu, T);
    if (std::isnan(x))
        return NaN;
    return 2 * h() * std::pow(nu, 5) / (c * c * c) / std::expm1(x);
}

double WienNu(double nu, double T)
{
    const double x = XNu(nu, T);
    if (std::isnan(x))
        return NaN;
    return 2 * h() / (c * c * c) * std::exp(-x + 5 * std::log(nu));
}

double RJNu(double nu, double T)
{
    if (!positiv(nu) || !positiv(T))
        return NaN;
    return 2 * std::pow(nu, 4) * k * T / (c * c * c);
}

double WienRelNu(double nu, double T) { return WienVerhaeltnis(XNu(nu, T)); }
double RJRelNu(double nu, double T) { return RJVerhaeltnis(XNu(nu, T)); }

double PlanckFormLambda(double lambda, double T)
{
    const double x = XLambda(lambda, T);
    if (std::isnan(x))
        return NaN;
    return 1.0 / (std::expm1(x) * std::pow(lambda, 5));
}

double PlanckFormNu(double nu, double T)
{
    const double x = XNu(nu, T);
    if (std::isnan(x))
        return NaN;
    return h() * std::pow(nu, 5) / (c * c * c) / std::expm1(x);
}

double MaximumLambda(double T) { return positiv(T) ? WienKonstante / T : NaN; }
double MaximumNu(double T) { return positiv(T) ? c * T / WienKonstante : NaN; }

bool Referenz::gueltig() const { return positiv(lambda) && positiv(nu); }

Referenz StrahlungsReferenz(double Tref)
{
    return {PlanckLambda(MaximumLambda(Tref), Tref), PlanckNu(MaximumNu(Tref), Tref)};
}

Referenz FormReferenz(double Tref)
{
    return {PlanckFormLambda(MaximumLambda(Tref), Tref), PlanckFormNu(MaximumNu(Tref), Tref)};
}

}  // namespace Waermestrahlung

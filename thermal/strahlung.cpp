#include "strahlung.h"

#include "global.h"  // Lichtgeschwindigkeit

#include <cmath>
#include <limits>

namespace Waermestrahlung {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool positiv(double v) { return std::isfinite(v) && v > 0; }

// h for this evaluation, or NaN when it is not usable.
double gueltig(double h) { return positiv(h) ? h : NaN; }

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

double XLambda(double lambda, double T, double h)
{
    if (!positiv(lambda) || !positiv(T))
        return NaN;
    return gueltig(h) * c / (lambda * k * T);
}

double XNu(double nu, double T, double h)
{
    if (!positiv(nu) || !positiv(T))
        return NaN;
    return gueltig(h) * nu / (k * T);
}

double PlanckLambda(double lambda, double T, double h)
{
    const double x = XLambda(lambda, T, h);
    if (std::isnan(x))
        return NaN;
    const double l5 = std::pow(lambda, 5);
    return 2 * gueltig(h) * c * c / (l5 * std::expm1(x));
}

double WienLambda(double lambda, double T, double h)
{
    const double x = XLambda(lambda, T, h);
    if (std::isnan(x))
        return NaN;
    // e^(−x)/λ⁵ combined in the exponent, so that a tiny λ cannot give inf · 0.
    return 2 * gueltig(h) * c * c * std::exp(-x - 5 * std::log(lambda));
}

double RJLambda(double lambda, double T, double /*h: the classical law has none*/)
{
    if (!positiv(lambda) || !positiv(T))
        return NaN;
    return 2 * c * k * T / std::pow(lambda, 4);
}

double WienRelLambda(double lambda, double T, double h) { return WienVerhaeltnis(XLambda(lambda, T, h)); }
double RJRelLambda(double lambda, double T, double h) { return RJVerhaeltnis(XLambda(lambda, T, h)); }

double PlanckNu(double nu, double T, double h)
{
    const double x = XNu(nu, T, h);
    if (std::isnan(x))
        return NaN;
    return 2 * gueltig(h) * std::pow(nu, 5) / (c * c * c) / std::expm1(x);
}

double WienNu(double nu, double T, double h)
{
    const double x = XNu(nu, T, h);
    if (std::isnan(x))
        return NaN;
    return 2 * gueltig(h) / (c * c * c) * std::exp(-x + 5 * std::log(nu));
}

double RJNu(double nu, double T, double /*h: the classical law has none*/)
{
    if (!positiv(nu) || !positiv(T))
        return NaN;
    return 2 * std::pow(nu, 4) * k * T / (c * c * c);
}

double WienRelNu(double nu, double T, double h) { return WienVerhaeltnis(XNu(nu, T, h)); }
double RJRelNu(double nu, double T, double h) { return RJVerhaeltnis(XNu(nu, T, h)); }

double PlanckFormLambda(double lambda, double T, double h)
{
    const double x = XLambda(lambda, T, h);
    if (std::isnan(x))
        return NaN;
    return 1.0 / (std::expm1(x) * std::pow(lambda, 5));
}

double PlanckFormNu(double nu, double T, double h)
{
    const double x = XNu(nu, T, h);
    if (std::isnan(x))
        return NaN;
    return gueltig(h) * std::pow(nu, 5) / (c * c * c) / std::expm1(x);
}

double WienKonstante(double h) { return gueltig(h) * c / (4.965114 * k); }

double MaximumLambda(double T, double h) { return positiv(T) ? WienKonstante(h) / T : NaN; }
double MaximumNu(double T, double h) { return positiv(T) ? c * T / WienKonstante(h) : NaN; }

bool Referenz::gueltig() const { return positiv(lambda) && positiv(nu); }

Referenz StrahlungsReferenz(double Tref, double h)
{
    return {PlanckLambda(MaximumLambda(Tref, h), Tref, h), PlanckNu(MaximumNu(Tref, h), Tref, h)};
}

Referenz FormReferenz(double Tref, double h)
{
    return {PlanckFormLambda(MaximumLambda(Tref, h), Tref, h), PlanckFormNu(MaximumNu(Tref, h), Tref, h)};
}

}  // namespace Waermestrahlung

// Thermal radiation of a black body: the laws of Planck ("measured"), Wien and
// Rayleigh–Jeans as spectral densities over wavelength, and the same densities
// evaluated at λ = c/ν for plotting over frequency (so both plots have the same
// heights at corresponding points). Plain functions, SI units.
//
// Every function takes Planck's constant h (J·s) as its last parameter; the windows pass the
// shared Planckkonstante. Values that cannot be
// computed (h, T or the wavelength/frequency not positive or not finite) are NaN;
// the drawing leaves them out. Overflow of e^x gives 0 for the densities and +inf for
// the Rayleigh–Jeans ratio, never NaN.
#pragma once

namespace Waermestrahlung {

// The windows' own Boltzmann constant (J/K).
inline constexpr double Boltzmann = 1.3807e-23;

// Wien's displacement constant b = h·c / (4,965114·k) in m·K (2,898 · 10⁻³ with the
// default h): the maximum of the wavelength density lies at b/T for every h.
double WienKonstante(double h);

// x = h·c/(λ·k·T) resp. h·ν/(k·T); NaN when not computable.
double XLambda(double lambda, double T, double h);
double XNu(double nu, double T, double h);

// Over wavelength (W / m³ per steradian).
double PlanckLambda(double lambda, double T, double h);   // 2hc²/λ⁵ / (eˣ − 1)
double WienLambda(double lambda, double T, double h);     // 2hc²/λ⁵ · e^(−x)
double RJLambda(double lambda, double T, double h);       // 2ckT/λ⁴
double WienRelLambda(double lambda, double T, double h);  // Wien : Planck = 1 − e^(−x)
double RJRelLambda(double lambda, double T, double h);    // Rayleigh–Jeans : Planck = (eˣ − 1)/x

// Over frequency: the wavelength densities at λ = c/ν.
double PlanckNu(double nu, double T, double h);   // 2hν⁵/c³ / (eˣ − 1)
double WienNu(double nu, double T, double h);     // 2hν⁵/c³ · e^(−x)
double RJNu(double nu, double T, double h);       // 2ν⁴kT/c³
double WienRelNu(double nu, double T, double h);  // 1 − e^(−x)
double RJRelNu(double nu, double T, double h);    // (eˣ − 1)/x

// The normalised shapes of the Planck window (constant factors left out).
double PlanckFormLambda(double lambda, double T, double h);  // 1 / ((eˣ − 1)·λ⁵)
double PlanckFormNu(double nu, double T, double h);          // hν⁵/c³ / (eˣ − 1)

// Wavelength (m) and frequency (Hz) of the maximum by Wien's displacement law.
double MaximumLambda(double T, double h);
double MaximumNu(double T, double h);

// The reference maxima: the densities at the displacement-law maximum of Tref.
struct Referenz {
    double lambda = 0;  // over wavelength
    double nu = 0;      // over frequency
    bool gueltig() const;  // both finite and positive
};
Referenz StrahlungsReferenz(double Tref, double h);  // Planck density (black-body window)
Referenz FormReferenz(double Tref, double h);     // Planck shapes (Planck window)

}  // namespace Waermestrahlung

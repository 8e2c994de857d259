// The values of the black-body and the Planck window for a worksheet: the curves the
// picture shows, one row per step of the horizontal axis (frequency in THz or wavelength
// in nm, in a 1-2-5 step over the axis range), one column per curve.
#pragma once

#include "strahlungsbild.h"
#include "wertetabelle.h"

namespace Waermestrahlung {

// The step (THz or nm) of the 1-2-5 series from 1 on that gives at most maxZeilen rows
// over 0 … bereich; 0 for a range that is not positive and finite.
double Tabellenschritt(double bereich, int maxZeilen = 500);

// The axis range shown (THz over frequency, nm over wavelength).
double Achsenbereich(const StrahlungsZustand &z, const Diagrammmasse &m);

// The temperatures (K) whose curves are shown: the variable one, or the ticked fixed ones in
// drawing order.
QList<int> GezeigteTemperaturen(const StrahlungsZustand &z);

// With Planck's constant h: the measured, Wien and Rayleigh–Jeans densities (W·m⁻³·sr⁻¹) and the two ratios that
// are ticked, for the ticked fixed temperatures or the variable one. Only the x column
// when no curve is shown.
WerteTabelle SchwarzkoerperWerte(const SchwarzkoerperZustand &z, const Diagrammmasse &m, double h);
// Planck's law (W·m⁻³·sr⁻¹) for the curves shown.
WerteTabelle PlanckWerte(const PlanckZustand &z, const Diagrammmasse &m, double h);

}  // namespace Waermestrahlung

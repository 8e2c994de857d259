// The formula pictures of the Planck window, typeset with the canvas: the law of the
// spectral exitance of a black body and the values of its constants.
#pragma once

#include "canvas.h"

#include <QString>

namespace Waermestrahlung {

inline constexpr TColor FarbeGesetzGrund = 0x3030B1;

// The formula picture (401 × 193): the spectral exitance of a black body, per frequency
// interval or per wavelength interval, with its explanation.
void SchreibeGesetz(Canvas &c, bool ueberFrequenz);
// The constants picture (401 × 97): the given h, c and k.
void SchreibeKonstanten(Canvas &c, double planck);
// "6,63" and -34 for 6.626e-34: mantissa with two decimals and a decimal comma, exponent
// (also for subnormal values); "keine Zahl" or "unendlich" (exponent 0) for what is no finite number.
QString Mantisse(double wert, int &exponent);

}  // namespace Waermestrahlung

// Numbers as the program shows them: with a decimal comma.
#pragma once

#include <QString>

// The text with its decimal point written as a comma ("6.63e-34" → "6,63e-34").
QString MitKomma(QString text);

// The value with the given number of decimals after a comma ("1,50").
QString Komma(double wert, int stellen);

// Like Komma, with the typographic minus (U+2212), and without a sign in front of a value
// that rounds to zero ("−0,0" → "0,0").
QString KommaMitMinus(double wert, int stellen);

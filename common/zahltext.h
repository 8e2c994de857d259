// Numbers as the program shows them: with the decimal separator of the language (a comma in
// German, a point in English; common/sprache.h).
#pragma once

#include <QString>

// The text with its decimal point written as the language's separator ("6.63e-34" → "6,63e-34"
// in German, unchanged in English).
QString MitKomma(QString text);

// The value with the given number of decimals after a comma ("1,50").
QString Komma(double wert, int stellen);

// Like Komma, with the typographic minus (U+2212), and without a sign in front of a value
// that rounds to zero ("−0,0" → "0,0").
QString KommaMitMinus(double wert, int stellen);

// Application-wide set-up: fonts, style and quit behaviour.
#pragma once

// Maps the font names the windows use ("Trebuchet MS", "Comic Sans MS", "Arial",
// "MS Sans Serif", "Symbol") to the free fonts installed with the program, picks the
// Fusion style (with drop-down lists that open below their box, showing the entry count
// they ask for), keeps the application running when its last window hides, lets Enter
// press the focused button in every window and accelerators press their button at once.
// Check and radio boxes on a dark background are drawn with a light box and a dark mark.
// The language is German (common/sprache.h) until the program sets another.
void AnwendungEinrichten();

class QColor;
// A colour too dark for a black mark on it (luminance below one half).
bool IstDunkel(const QColor &farbe);

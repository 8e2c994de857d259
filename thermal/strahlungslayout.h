// Window layout of the black-body and the Planck window, computed without widgets from
// the usable screen size, the control column of the screen-size function and the back
// button's shared place.
#pragma once

#include "global.h"

#include <QRect>

namespace Waermestrahlung {

struct Bildschirmwerte {
    int breite = 0, hoehe = 0;  // BildschirmBreite, BildschirmHoehe
    Spaltenwerte spalte;        // the screen-size function's control column
    QRect zurueck;              // the back button's shared place
};
// The current shared values (the column as the screen-size function sets it).
Bildschirmwerte AktuelleBildschirmwerte();

inline constexpr int EntworfeneFensterHoehe = 1176;
inline constexpr int KurveHoehe = 561;  // the column as its controls are placed in it

// What both windows place alike: the area left of the panel column, the title, the
// picture, the options column, the panel under the picture that chooses the quantity, and
// the back button.
struct StrahlungsLayout {
    int linkerBereich = 0;  // width of the area left of the panel column
    int spaltenBreite = 0;  // width of the panel column
    int unterkante = 0;     // top of the panels under the picture
    bool niedrig = false;   // a screen lower than 704 px: the column is compressed to
                            // kurve's height, and what has no room under it stands in a
                            // row under the panels under the picture
    QRect titel, bild, kurve, lambdaF, zurueck;
};

struct SchwarzkoerperLayout : StrahlungsLayout {
    bool grosseTafeln = false;  // wide screens: larger panels under the picture
    int kurvenAbstand = 0;      // spacing of the curve check boxes
    QRect hinweis, hinweise, kurven;
};
SchwarzkoerperLayout BerechneSchwarzkoerperLayout(const Bildschirmwerte &b);

struct PlanckLayout : StrahlungsLayout {
    QRect gesetz;
    QRect gesetzBild, konstantenBild;  // formula pictures over the drawing (window coordinates)
};
PlanckLayout BerechnePlanckLayout(const Bildschirmwerte &b);

}  // namespace Waermestrahlung

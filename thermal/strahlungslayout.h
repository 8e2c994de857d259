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

struct SchwarzkoerperLayout {
    int linkerBereich = 0;  // width of the area left of the panel column
    int spaltenBreite = 0;  // width of the panel column
    int unterkante = 0;     // top of the panels under the picture
    bool grosseTafeln = false;  // wide screens: larger panels under the picture
    int kurvenAbstand = 0;      // spacing of the curve check boxes
    QRect titel, bild, hinweis, kurve, hinweise, lambdaF, kurven, zurueck;
};
SchwarzkoerperLayout BerechneSchwarzkoerperLayout(const Bildschirmwerte &b);

struct PlanckLayout {
    int linkerBereich = 0;
    int spaltenBreite = 0;
    int unterkante = 0;
    QRect titel, bild, kurve, lambdaF, gesetz, zurueck;
    QRect gesetzBild, konstantenBild;  // formula pictures over the drawing (window coordinates)
};
PlanckLayout BerechnePlanckLayout(const Bildschirmwerte &b);

}  // namespace Waermestrahlung

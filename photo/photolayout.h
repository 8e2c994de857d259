// Window layout of the Hallwachs and the vacuum-photocell window, computed without widgets
// from the usable screen size, the control column and the back button's shared place.
#pragma once

#include "global.h"

#include <QRect>

namespace Photoeffekt {

struct PhotoBildschirm {
    int breite = 0, hoehe = 0;  // BildschirmBreite, BildschirmHoehe
    Spaltenwerte spalte;        // the control column the window lays out with
    QRect zurueck;              // the back button's shared place
};
// The Hallwachs window's column is the screen-size function's.
PhotoBildschirm HallwachsBildschirm();
// The photocell window takes the narrow control column (SchmaleSpalte): 169 wide, left edge
// BildschirmBreite − 201.
PhotoBildschirm PhotozellenBildschirm();

// Heights of the column's panels, top to bottom.
inline constexpr int LichtHoehe = 144, SchaltungHoehe = 112, SimulationHoehe = 150, HinweiseHoehe = 84;
inline constexpr int TitelHoehe = 65;

struct PhotoLayout {
    QRect titel, bild, licht, schaltung, simulation, hinweise, tafel, zurueck;
};
PhotoLayout BerechnePhotoLayout(const PhotoBildschirm &b);

}  // namespace Photoeffekt

// Layout of the wave-propagation window, computed without widgets from the usable screen
// size, the control column and the back button's place as the window reads them at its
// creation: the rope pictures, the water picture for each size and format with its two
// sections, the side panels, the text panels and the wavelength markers.
#pragma once

#include <QPoint>
#include <QRect>

namespace Interferenz {

struct Bildschirmmasse {
    int breite = 1027, hoehe = 740;              // BildschirmBreite, BildschirmHoehe
    int spalteLinks = 802, spalteBreite = 185, spalteRand = 8;
    QRect zurueck{834, 619, 161, 81};            // the back button's shared place
    double F = 1.0, Fx = 1.0, Fy = 1.0;          // Massstab: uniform, horizontal, vertical
};
// The shared values as they are now.
Bildschirmmasse AktuellerBildschirm();

// Below this usable height the fixed places would run off the screen or into the back
// button; the window then moves its left column up, shortens the back button and shrinks
// the water pictures so that everything stays on the screen.
inline constexpr int KompaktUnter = 730;

inline constexpr int MarkerHoehe = 40;  // height of the wavelength markers

struct Layout {
    int XC = 0, R = 0, YC = 0, M = 0;  // centre of the drawing, rope half length, rope centre, amplitude room
    int XW = 0, YW = 0, Q = 0;         // water picture centre, section half width
    double FWasser = 1.0;              // the uniform factor the water pictures are scaled by
    bool kompakt = false;
    QRect titel;
    QRect image1Dim, image1DimEins, image1DimZwei;
    // right column
    QRect wellenDatenEins, wellenDatenZwei, welle, welleSeil, welleWasser, einAus;
    // left column
    QRect daten, wZentrenSeil, wZentrenWasser, markierePkt, knoten, hinweise;
    int hinweisKnopfHoehe = 0;
    QRect textTafel;  // hint and observation panels
    QRect zurueck;
    int markerBreite = 320;
};
Layout BerechneLayout(const Bildschirmmasse &b);

enum class Groesse { klein, mittel, gross };
enum class Format { hoch, quadrat, quer };

// Half width and half height of the water picture before scaling.
QPoint WasserHalbmasse(Groesse g, Format f);

struct WasserGeometrie {
    int hw = 0, hh = 0;     // half width, half height
    int X0 = 0, Y0 = 0;     // origin inside the picture
    QRect bild;             // the water and the intensity picture
    QRect schnittSenkr;     // section CD, right of the picture
    QRect schnittWaagr;     // section AB, under the picture
    QRect lambdaEins;       // the wavelength marker
    // label anchors: A ends at aRechts, B starts at bLinks (both on the picture's mid-height);
    // C ends above cUnten, D starts at dOben (both on its vertical centre line); the section
    // labels start right of AB at abLinks (centred on abMitte) and under CD at cdOben.
    int mitteY = 0, aRechts = 0, bLinks = 0, mitteX = 0, cUnten = 0, dOben = 0;
    int abLinks = 0, abMitte = 0, cdMitte = 0, cdOben = 0;
};
WasserGeometrie BerechneWasser(const Layout &l, Groesse g, Format f);

// The wavelength-1 marker over the uppermost visible rope picture and the wavelength-2
// marker under the lowest.
QRect LambdaEinsSeil(const Layout &l, bool einzelWellen);
QRect LambdaZweiSeil(const Layout &l, bool einzelWellen);

}  // namespace Interferenz

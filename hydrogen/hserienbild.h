// The spectral-series picture of hydrogen: geometry (axes, rows, scales) and the drawing of
// series, limits, names, axes and the visible strip on a canvas. No widgets.
#pragma once

#include "canvas.h"

namespace Wasserstoff {

struct HSerienEinstellung {
    int serien = 6;          // S, 3..6
    int linien = 12;         // L, 4..16
    int trennung = 0;        // D, 0..10
    bool wellenlaenge = false;
    bool dick = false;
    bool grenzen = false;
    bool massstab = false;   // wavelength scale fitted to S
    bool spektrum = false;
};

struct HSerienZeile {
    int oben = 0;    // y of the upper end of the series' lines
    int laenge = 0;  // length of the lines
};

// The geometry of the picture for an image of w × h pixels.
struct HSerienGeometrie {
    int w = 0, h = 0;
    int x0 = 21, achsenLaenge = 0;
    double sF = 0, sW = 0;   // pixels per THz, pixels per nm
    int streifen = 0;        // height of the visible strip
    int yWellenlaenge = 0, yFrequenz = 0;
    int band = 0, zeilenHoehe = 0;
    int serien = 6;

    // Recomputes everything; the wavelength scale only in wavelength order (it keeps its value otherwise).
    void Vorbereiten(int breite, int hoehe, const HSerienEinstellung &e);
    HSerienZeile Zeile(int n, int trennung) const;
    // x of a frequency (THz) in frequency order, of a wavelength (nm) in wavelength order.
    int XFrequenz(double fTHz) const;
    int XWellenlaenge(double nm) const;
    int XLinie(double fTHz, bool wellenlaenge) const;
};

// Whether series n carries its name: D >= 9, n <= S, n <= 5.
bool SerieBenannt(int n, int serien, int trennung);
// Pen width of line m of series n.
int LinienBreite(int n, int m, bool dick, bool wellenlaenge);

class HSerienBild {
public:
    HSerienBild(Canvas &c, HSerienGeometrie &g) : c_(c), g_(g) {}
    void ZeigeHSerien(const HSerienEinstellung &e);

private:
    void Frequenzachse(bool wellenlaenge);
    void WLaengenachse(bool wellenlaenge);
    void Serie(int n, const HSerienEinstellung &e);
    void Name(int n, const HSerienZeile &z, const HSerienEinstellung &e);
    void ZeigeSpektrum(bool wellenlaenge);
    void Strich(int x1, int y1, int x2, int y2);
    void Beschriftung(int x, int y, const QString &text);  // centred on x, top at y
    void Pfeil(int x, int y, int laenge);  // from (x, y) over |laenge| px, pointing in its direction

    Canvas &c_;
    HSerienGeometrie &g_;
};

}  // namespace Wasserstoff

#include <QRect>

namespace Wasserstoff {

// Places of the series window, from the usable screen size and the back button's place.
struct HSerienLayout {
    bool schmal = false;  // the hint and spectrum panels stand above the back button
    QRect titel, bild, serien, linien, spektrum, hinweisKnopf, hinweis;
};
HSerienLayout BerechneHSerienLayout(int breite, int hoehe, const QRect &zurueck);

}  // namespace Wasserstoff

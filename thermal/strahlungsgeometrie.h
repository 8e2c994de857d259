// Geometry of the radiation pictures, without widgets: origin, axis length and
// reference height from the picture size, the scales from the track-bar positions,
// the 1-2-5 tick series of the main axis, the ticks of the secondary scale, curve
// heights and the band to which heights are clamped before they become pixels.
#pragma once

#include <QString>
#include <QVector>

namespace Waermestrahlung {

// Origin (X0, Y0), axis length L and reference height Hmax of a picture.
struct Diagrammmasse {
    int breite = 0, hoehe = 0;  // the picture
    int X0 = 50;
    int Y0 = 0;
    int L = 0;
    int Hmax = 0;
    // World heights outside [yMin, yMax] lie off the picture; curves are clamped to
    // this band (a few pixels beyond every edge) before rounding.
    double yMin() const;
    double yMax() const;
    double begrenzt(double y) const;
};

// X0 = 50, Y0 = height − 140, L = width − achsenRand, Hmax = Y0 − 50.
// The black-body window uses achsenRand 70, the Planck window 100.
Diagrammmasse BerechneMasse(int bildBreite, int bildHoehe, int achsenRand);

// Pixels per Hz for an axis ending at position × 10 THz, and pixels per metre for an
// axis ending at position × 10 nm (both put the axis end 20 px before L).
double SkalaFrequenz(int L, int position);
double SkalaWellenlaenge(int L, int position);

// The tick step of the main axis: from 10 through 20, 50, 100, 200, 500, … until one
// step spans at least 120 px. 0 when the scale admits no ticks (not positive/finite).
double TickSchritt(double pixelProEinheit);

struct Tick {
    double x = 0;  // world x (pixels from the origin)
    int wert = 0;  // THz or nm
    bool beschriftet = true;
};

// Ticks of the main axis: over frequency at k·step THz for k = 0, 1, …, over
// wavelength at k·step nm for k = 1, 2, …, while x < L − 20. skala in px/Hz resp. px/m.
QVector<Tick> HauptTicks(bool ueberFrequenz, double skala, int L);

// Ticks of the secondary scale, at the main-axis position of the other quantity.
// Under the frequency axis (wavelengths, nm): 200 … 950 in steps of 50 labelled at 200,
// 300, 400, 500; 1000 … 4000 labelled at 1000 and 4000. Under the wavelength axis
// (frequencies, THz): 100 … 950 in steps of 50 labelled at 100, 150, 200, 300, 400, 500;
// 1000 … 4000 labelled at 1000 and 4000. Only ticks with 0 ≤ x ≤ L.
QVector<Tick> NebenTicks(bool ueberFrequenz, double skala, int L);

// Height in px of a value on the scale where the reference lies at Hmax; NaN when
// the value or the reference cannot be used.
double Hoehe(double wert, double referenz, double Hmax);

// Height in px of a ratio (1 lies at 150 px); NaN when the ratio is NaN.
inline constexpr double EinheitsHoehe = 150;
double VerhaeltnisHoehe(double verhaeltnis);

// Left edge for a text of width w centred between two x positions.
int Zentriert(double xa, double xb, int w);

}  // namespace Waermestrahlung

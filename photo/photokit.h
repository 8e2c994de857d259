// The photoelectric apparatus kit without widgets: electrons and light quanta, the sketch
// scale, the lamp's rays and lens, the light waves' table indices, the galvanometer's
// measures and needle, the lamp-spectrum strip and the physics every photoelectric window
// shares. The pictures and the drawing are in photobild.*.
#pragma once

#include "global.h"

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QVector>

#include <array>
#include <cmath>

namespace Photoeffekt {

inline constexpr int ElektronenAnzahl = 22;

// ---- electrons --------------------------------------------------------------------------

struct TElektron {
    int index = 0;
    double x = 0, y = 0;  // sprite centre in pixels; y is fixed
    double v = 0;         // m/s, negative = towards the left
    bool fliegt = false;
};

// Electron radius from the drawing's height: round(h / 544 × 6), unclamped and clamped to 6..9.
int ElektronenRadiusRoh(int bildHoehe);
int ElektronenRadius(int bildHoehe);
inline int Durchmesser(int r) { return 2 * r + 1; }

// ---- light quanta ---------------------------------------------------------------------------

inline constexpr int QuantBildSeite = 55;

struct TQuant {
    int index = 0;          // the lamp ray it starts on
    double x = 0, y = 0;    // centre of its picture
    double energie = 0;     // J
    bool aktiv = false;
    QImage innen, aussen;   // its pictures inside the cell and outside it
};

// Radius of a quantum's picture: round(r × 1.5 × f / 375), at most 27.
int QuantRadius(int r, int frequenzTHz);
using Quanten = std::array<TQuant, ElektronenAnzahl>;
// Creates the quanta: index k starts on ray k (the rays beyond the lamp's last one share it).
void DefQuant(Quanten &q, const QVector<QPoint> &strahlen);

// ---- lamp -------------------------------------------------------------------------------------

struct Lampe {
    QVector<QPoint> strahlen;  // start points of the rays
    QPoint linse1, linse2;     // ends of the lens
};
// Rays spread over 35/36 of 21 electron diameters; ray 0 starts at x0 and meets the metal
// (x = kathodeX) at the height yOben of electron 0.
Lampe LampenGeometrie(int x0, int yOben, int kathodeX, int D, int anzahl);
// The 22 rays of the Planck-constant window, spread over L = 20 electron diameters.
Lampe LampenGeometriePlanck(int x0, int yOben, int kathodeX, int D);

// ---- light waves -------------------------------------------------------------------------------

// Table index of the wave at column x for phase a: (a − x) × K brought into 0..laenge − 1.
int WellenIndex(int a, int x, double K, int laenge);
// Sine of a table index on a table of 192 or 384 steps per period.
double WellenSinus(int index, int laenge);
// Row of the wave of a ray starting at start, at column x.
int WellenY(QPoint start, int x, int index, int amplitude, int laenge);
// The phase after an advance, kept within the table.
int PhaseWeiter(int a, int schritt, int laenge);

// ---- galvanometer --------------------------------------------------------------------------------

struct Galvanometer {
    QPoint drehpunkt;
    int w = 50, hoehe = 65;             // half-width and height of the case
    int gehaeuseStift = 3, skalaStift = 2;
    int aussenRadius = 55, innenRadius = 20;
    int endeInnen = 14, endeAussen = 39;  // the scale end lines run along the diagonals
    QPoint fuellPunkt;                  // a point of the white face
    int R1 = 22, R2 = 53, zeigerStift = 2;
    double schwenk = M_PI / 2;          // needle sweep for full deflection
    bool begrenzt = true;               // the reading is capped at 1
    // Everything the instrument draws lies inside.
    QRect umriss() const;
};
// The instrument that scales with the screen height (s = bildschirmHoehe / 740).
Galvanometer SkaliertesGalvanometer(QPoint drehpunkt, int bildschirmHoehe, int gehaeuseStift, double schwenk);
// The instrument of fixed size.
Galvanometer FestesGalvanometer(QPoint drehpunkt);
// The needle at reading d (0 = left end, 1 = full scale).
QLine ZeigerLinie(const Galvanometer &g, double d);

// ---- physics -------------------------------------------------------------------------------------

// Speed of an electron released by light of the frequency f (Hz) from a metal of work
// function W (eV): −√(2 (h f − W e) / m), negative as it flies to the left; 0 when h f ≤ W e.
double Austrittsgeschwindigkeit(double h, double frequenz, double austrittsarbeitEV, double e, double m);

// Planck's constant as measured (J·s). The photoelectric experiments always run with it;
// the value a pupil determines is shown and passed on in Planckkonstante, but nature in
// the simulation does not change with it.
inline constexpr double PlanckLiteratur = 6.626e-34;

// ---- lamp spectrum strip -------------------------------------------------------------------------

inline constexpr int StreifenVon = 400, StreifenBis = 750, StreifenHoehe = 40;
// Column of a frequency: 400 THz on the first pixel, 750 THz on the last.
int StreifenX(int frequenzTHz, int breite);
// Frequency at a column inside the strip.
int StreifenFrequenz(int x, int breite);
bool FrequenzWaehlbar(int frequenzTHz);
// The first line of the table within 5 THz of fc; −1 if there is none.
int LinieBeiFrequenz(const Linienspektrum &spektrum, int fc);

}  // namespace Photoeffekt

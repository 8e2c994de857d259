// The gas-spectra window without widgets: the thirteen line tables in the order of the
// gas choice, the gas colours, the screen geometry of the spectra, the oblique parallel
// projection of the set-up and the shading colours of the spectroscope.
#pragma once

#include "global.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

namespace Atome {

// Slot 0: no gas chosen; 1..11 the gases in the order of the choice; 12 the sun.
inline constexpr int SonnenSlot = 12;
using SpektrenTabelle = std::array<Linienspektrum, 13>;

// Copies the shared line tables into the window's order.
SpektrenTabelle KopiereSpektren();
// The items of the gas choice, a gas's name within a sentence (empty for no gas) and the
// title for a slot.
QStringList GasNamen();
QString GasImSatz(int gas);
QString SpektrenTitel(int gas);
// Colour of the glowing gas: its first line; 12430353 before a gas is chosen.
TColor FarbeGas(const SpektrenTabelle &t, int gas);

// The view angles from the two track bars (degrees).
struct Blick {
    double phi = 0, theta = 0;
    double sinPhi = 0, cosPhi = 1, sinTheta = 0, cosTheta = 1;
    static Blick ausPositionen(int sehBreite, int sehHoehe);
};

// The screen geometry of the spectra (recomputed before every drawing).
struct SpektrenGeometrie {
    int W = 0, H = 0;
    bool mitAnordnung = true;
    double s = 1;  // vertical scale of the window
    int Ws = 0, cx = 0, cy = 0, h = 0, Wsp = 0;
    double k = 0;  // pixels per THz or nm
    int x0 = 0, schirmLinks = 0, sonneOben = 0, gasOben = 0;
    int rRoehre = 0, R = 0;
    int px0 = 0, py0 = 0;  // centre of the projection: (cx, cy) unless moved by Einpassen


    // x of a frequency (THz) or wavelength (nm) between 400 and 750.
    int x(double v) const { return Runde((v - 400) * k) + x0; }
    // Oblique parallel projection of a point (y upwards) about (px0, py0).
    QPoint projiziere(const Blick &b, double px, double py, double pz) const;
    // Bounding box of the projected set-up (spectroscope, tube, wires and sockets).
    QRect AnordnungsUmriss(const Blick &b) const;
    // Moves the projection centre just so far that the set-up lies inside the picture,
    // at least `rand` pixels from its edges, for the view b.
    void Einpassen(const Blick &b, int rand = 8);
};
SpektrenGeometrie Daten(int W, int H, bool mitAnordnung, double s);

// Vertical scale from the usable screen height and the title's height.
double VertikalerMassstab(int bildschirmHoehe, int titelHoehe);

// Colour of the sun's continuum at the value v of the axis.
TColor SonnenFarbe(int v, bool nachFrequenz);
// Axis value of a line: its frequency in THz or its wavelength in nm.
int LinienWert(const Spektrallinie &l, bool nachFrequenz);

// Adds d to each colour channel separately, clamped to 0..255.
TColor KanalweiseAddieren(TColor basis, int rot, int gruen, int blau);
// Shade of a generator line of the spectroscope at angle a.
TColor ApparatGrau(int R, double a);
// Fill of the slit face: a dark grey lit by half the gas colour.
TColor SpaltFarbe(TColor gas);
// Start angle of the visible generator lines.
double ApparatStartWinkel(const Blick &b);

inline constexpr TColor SpaltRandFarbe = 3170416;
inline constexpr TColor RoehreOhneGas = 14140435;
inline constexpr TColor RoehreRand = 16776960;
inline constexpr TColor Silber = 12632256;

// Layout of the window from the usable screen, its control column and the back button.
struct SpektrenLayout {
    QRect titel, bild, hinweis, zurueck;
    QRect linien, sonne, abhaengig, blick, anordnung, info;
};
SpektrenLayout BerechneSpektrenLayout(int breite, int hoehe, const Spaltenwerte &spalte, const QRect &zurueck);

}  // namespace Atome

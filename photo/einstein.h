// What the Einstein-equation window computes without widgets: the four metals, the plot's
// origin and scales, the kinetic energies of the photo electrons for the lines of a lamp,
// and the threshold frequency W / h. Planck's constant and e are passed in.
#pragma once

#include "global.h"

#include <QPointF>
#include <QString>
#include <QVector>

namespace Photoeffekt {

struct EinsteinMetall {
    const char *name;  // the check box's text, in German (EinsteinMetallName: as shown)
    double eV;         // work function
    const char *kurz;  // short name
};
extern const EinsteinMetall EinsteinMetalle[4];  // sodium, potassium, rubidium, caesium
// The metal's name in the language shown.
QString EinsteinMetallName(const EinsteinMetall &m);

struct EinsteinAchsen {
    int x0 = 100, y0 = 0;    // origin in pixels
    double sx = 1, sy = 1;   // pixels per THz, pixels per eV
};
EinsteinAchsen EinsteinKoordinaten(int breite, int hoehe);

// Kinetic energy (h f − W) / e in eV of electrons released by light of f Hz.
double KinetischeEnergie(double h, double frequenzHz, double eV, double e);
// Threshold frequency W / h in THz.
double GrenzfrequenzTHz(double h, double eV, double e);

struct Messpunkt {
    int linie = 0;          // index in the lamp's table
    double fTHz = 0, wkEV = 0;
};
// The points of a metal for the lines of a lamp; lines below the threshold give none.
QVector<Messpunkt> Messpunkte(const Linienspektrum &lampe, double eV, double h, double e);
// The line of the lamp with the highest frequency (−1 for an empty table).
int HoechsteLinie(const Linienspektrum &lampe);
// The first shown metal in the order sodium, potassium, rubidium, caesium; −1 if none.
int ErsterGezeigter(const bool gezeigt[4]);

}  // namespace Photoeffekt

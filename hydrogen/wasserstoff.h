// Hydrogen physics shared by the spectral-series, energy-level and level-exercise windows:
// line frequencies from the Rydberg formula, level energies, line colours and the list of
// lines a picture shows. The hydrogen windows use their own Rydberg values, not the
// shared Planck constant. Plain functions without widgets.
#pragma once

#include "global.h"

#include <QString>
#include <QVector>

namespace Wasserstoff {

// Speed of light and Rydberg constant as the series window computes with them.
inline constexpr double CSerien = 299790000.0;   // m/s
inline constexpr double RSerien = 10973700.0;    // 1/m
// Rydberg frequency, h and e of the level windows.
inline constexpr double RydbergFrequenz = 3.28991526e15;  // Hz
inline constexpr double HStufen = 6.626e-34;               // J·s
inline constexpr double EStufen = 1.602e-19;               // C

// Series window: frequency of the line from level m down to n in THz; m <= 0 is the limit.
double SerienFrequenz(int n, int m);
double SerienGrenze(int n);
// Wavelength in nm of a frequency in THz (λ = 300000 / f).
double WellenlaengeNm(double fTHz);

// Level windows: binding energy of level j in eV (≈ 13,6 eV / j²), held as float.
float Bindungsenergie(int j);
// Excitation energy of level j above the ground state in eV.
float Anregungsenergie(int j);
// Frequency in whole THz of a photon of the given energy in eV.
int PhotonFrequenzTHz(double energieEV);
// Frequency of a line m -> n computed as the step window does (not rounded).
double StufenLinienFrequenz(int n, int m);
// An energy written with one decimal and a decimal comma ("13,6").
QString EnergieText(double eV);

// Colour of a line of series n from upper level m: the four visible Balmer lines in their
// colours (m = 3, 4 from their frequency in whole THz), every other line light grey.
TColor LinienFarbe(int n, int m, double frequenzTHz);

// One line of the hydrogen spectrum, for tables and export.
struct Linie {
    int n = 0, m = 0;       // lower and upper level
    double frequenzTHz = 0;
    double wellenlaengeNm = 0;
};
// The lines of the series n = 1..serien, each with lines m = n+1 .. n+linien.
QVector<Linie> WasserstoffLinien(int serien, int linien);

// Name of series n (1..5), empty otherwise.
QString SerienName(int n);

}  // namespace Wasserstoff

// Hydrogen physics of every hydrogen window (spectral series, energy levels, level exercises,
// Bohr's atom): line frequencies from the Rydberg formula, level energies, the energy text,
// line colours, series names and the list of lines a picture shows. The windows compute with
// Rydberg frequencies that differ in the last digits; each keeps its own, passed explicitly,
// so that every window shows the numbers it always has. The hydrogen windows do not use the
// shared Planck constant. Plain functions without widgets.
#pragma once

#include "global.h"

#include <QString>
#include <QVector>

namespace Wasserstoff {

// Speed of light and Rydberg constant as the series window computes with them.
inline constexpr double CSerien = 299790000.0;   // m/s
inline constexpr double RSerien = 10973700.0;    // 1/m
// The Rydberg frequencies (Hz) of the windows: the series window's c·R, the level windows'
// value and Bohr's atom window's four digits.
inline constexpr double RydbergSerien = CSerien * RSerien;
inline constexpr double RydbergFrequenz = 3.28991526e15;
inline constexpr double RydbergBohr = 3.2898e15;
// h and e of the level windows.
inline constexpr double HStufen = 6.626e-34;               // J·s
inline constexpr double EStufen = 1.602e-19;               // C

// Frequency in THz of the line from level m down to n for the Rydberg frequency
// rydberg (Hz): (1/n² − 1/m²) · rydberg; m <= 0 is the series limit.
double LinienFrequenzTHz(int n, int m, double rydberg);

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

// Bohr's atom window: frequency of level n above the ground state, whole THz.
int NiveauFrequenz(int n);
// Bohr's atom window: frequency of the transition between two levels, whole THz.
int UebergangsFrequenz(int nUnten, int nOben);
// Bohr's atom window: total energy of the electron on orbit n in eV (−13,6 eV / n²).
double GesamtEnergie(int n);

// Decimals of an energy text: the level windows write one ("12,1"); Bohr's atom window
// writes two below 1 eV, where one would round away half the value's precision ("−0,85").
enum class EnergieStellen { eine, zweiUnterEinem };
// An energy with decimal comma and minus sign ("−3,4"); a value that rounds to zero is "0,0".
QString EnergieText(double eV, EnergieStellen stellen = EnergieStellen::eine);

// Colour of a line of series n from upper level m: the four visible Balmer lines in their
// colours (m = 3, 4 from their frequency in whole THz), every other line light grey.
// The photons of Bohr's atom window take the same colours.
TColor LinienFarbe(int n, int m, double frequenzTHz);

// One line of the hydrogen spectrum, for tables and export.
struct Linie {
    int n = 0, m = 0;       // lower and upper level
    double frequenzTHz = 0;
    double wellenlaengeNm = 0;
};
// The lines of the series n = 1..serien, each with lines m = n+1 .. n+linien.
QVector<Linie> WasserstoffLinien(int serien, int linien);

// Name of series n (1..5) in the language shown: "Lyman-Serie" …; empty otherwise.
QString SerienName(int n);
// The same without "Serie", for the series lists: "Lyman-" … (in English "Lyman" …).
QString SerienVorsilbe(int n);

}  // namespace Wasserstoff

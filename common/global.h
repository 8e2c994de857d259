// The shared module: colour scheme, screen and layout values, physical constants,
// text settings, run-control flags, spectral line tables, sine/cosine tables,
// the program's time, and small arithmetic helpers.
// Everything here is plain state and functions without widgets.
#pragma once

#include <QString>
#include <cstdint>

// A colour as 0x00BBGGRR (red in the low byte).
using TColor = std::uint32_t;

// ---- colour scheme -------------------------------------------------------------
extern TColor FarbeHintergrund, FarbePanel, FarbeTitel, FarbeRechnen;
extern TColor FarbeHinweisText, FarbeHinweisMarke, FarbeHervorhebung;
extern TColor FarbeErgebnisMarke, FarbeErgebnisMarke2, FarbeErgebnisText;
extern TColor FarbeText2, FarbeTextMarke2, FarbeTextGrund;
extern TColor FarbeLeitung, FarbeBeschriftung, FarbeGehaeuse, FarbeGehaeuseRand, FarbeZeiger;
extern TColor FarbeZeichengrund, FarbeBuchse, FarbeAtomText1, FarbeAtomText2, FarbeElektron;

// Sets every colour of the scheme to its default.
void FarbenVoreinstellen();

// ---- screen and layout ---------------------------------------------------------
extern int BildschirmBreite, BildschirmHoehe;
extern int SchriftKlein, SchriftNormal, SchriftMittel, SchriftGross;
extern int SchriftMittelDoppelt, SchriftGrossDoppelt;
extern int ZurueckBreite, ZurueckHoehe, ZurueckLinks, ZurueckOben;
extern int SpalteBreite, SpalteRand, SpalteLinks;
extern int InfoSeite;

struct TMassstab {
    double horizontal = 1.0, vertikal = 1.0, einheitlich = 1.0;
};
extern TMassstab Massstab;

enum class Bildschirmklasse { klein, mittel, gross };
Bildschirmklasse BildschirmklasseVon(int breite, int hoehe);

// The font sizes of a screen class, as the screen-size function sets them.
struct Schriftgroessen {
    int klein = 0, normal = 0, mittel = 0, gross = 0;
};
Schriftgroessen SchriftgroessenVon(Bildschirmklasse klasse);

// The screen-size function: font sizes and the shared layout values from the usable size.
void Bildschirmeinteilung(int breite, int hoehe);

// The control columns of a usable width, computed from the screen alone so that no window's
// layout depends on the windows created before it: the standard column the screen-size
// function also keeps in SpalteBreite, SpalteRand and SpalteLinks, and the narrower column
// of the Franck–Hertz run window and the Bohr window.
struct Spaltenwerte {
    int breite = 0, rand = 0, links = 0;
};
Spaltenwerte StandardSpalte(int breite);
Spaltenwerte SchmaleSpalte(int breite);

// ---- physical constants (SI units) ----------------------------------------------
inline constexpr double Elementarladung = 1.602e-19;
inline constexpr double Elektronenmasse = 9.11e-31;
inline constexpr double Lichtgeschwindigkeit = 2.9979e8;
extern double Planckkonstante;  // the Planck-constant window may overwrite it

// ---- text settings and run-control flags -----------------------------------------
extern QString TextPfad;  // directory of the text files, ending in '/' (or empty)
extern bool TexteVonDatei;
extern bool PiepsAn;
extern bool GegenfeldKlassisch;

// ---- spectral line tables --------------------------------------------------------
struct Spektrallinie {
    std::int32_t WellenlaengeNm = 0;
    std::int32_t FrequenzTHz = 0;
    double Wellenlaenge = 0;  // m
    double Frequenz = 0;      // Hz
    TColor Farbe = 0;
};

struct Linienspektrum {
    Spektrallinie Linie[9];
    std::int32_t Anzahl = 0;
};

// Storage order of the twelve tables.
enum SpektrumNr {
    SpektrumCalzium, SpektrumCadmium, SpektrumCaesium, SpektrumEisen, SpektrumWasserstoff,
    SpektrumHelium, SpektrumQuecksilber, SpektrumKalium, SpektrumMagnesium, SpektrumNatrium,
    SpektrumNeon, SpektrumSonne, SpektrenAnzahl
};
extern Linienspektrum Spektren[SpektrenAnzahl];

// ---- sine and cosine tables, 0 to 2π inclusive ---------------------------------------
struct TSinCosTabelle {
    double Sin48[97], Cos48[97];      // step π/48
    float Sin96[193], Cos96[193];     // step π/96
    float Sin192[385], Cos192[385];   // step π/192
};
extern TSinCosTabelle SinCosTabelle;

// ---- functions ---------------------------------------------------------------------
// Visible colour of a light frequency in THz; black outside 375..800 THz.
TColor FarbeAusFrequenz(int frequenzTHz);

// Contrast ratio of two colours, 1 … 21, from their relative luminance (sRGB, as the
// readability guidelines for text define it: 4.5 : 1 for text, 3 : 1 for large text).
double Kontrastverhaeltnis(TColor a, TColor b);
// Black or white, whichever has the higher contrast on the background: the text colour of
// every panel coloured at run time (light colours, spectra).
TColor TextFarbeAuf(TColor hintergrund);

// Milliseconds on the program's clock (common/lauf.h), advancing in ticks of 1/64 s (15.625 ms).
std::uint64_t TickZahl();

// Set once the program is ending (closing the start screen); every run is asked to stop.
extern bool ProgrammEndet;

int Minimum(int a, int b);
int Maximum(int a, int b);
int ZweiHoch(int n);
double SanfterUebergang(double x);
double SanftesProfil(double x);

// Pseudo-random numbers, seeded from the clock at initialisation.
double Zufall();          // uniform in [0, 1)
int Zufall(int n);        // uniform integer in [0, n); 0 for n <= 0
void ZufallStarten(std::uint64_t saat);
// The seed the numbers were last started with: a window with a generator of its own starts it
// from this, so that a run started from a known seed repeats exactly.
std::uint64_t ZufallSaat();

// Rounding to the nearest integer, halves to even (the default rounding mode).
int Runde(double x);

// The module's initialisation: tables, colours, random seed, defaults. Tests call it
// again to reset the shared state.
void GlobalInitialisieren();

// The diffraction window's physics and geometry, without widgets: the diaphragm masks of
// the simulation mode, the picture's measures, the animation's wave formulas, the colour
// codes, the speed rule and the window layout.
#pragma once

#include "global.h"
#include "huygens.h"

#include <QRect>

namespace Beugung {

// Kinds of diaphragm in the simulation mode, in the order of their radio group.
enum class Art { Spalt, ZweiSpalten, Gitter, Kante, Hindernis, Ohne };

// The mask of a kind: b = slit (or obstacle) half-width, a = slit spacing, g = half the
// grating constant, all in pixels.
Huygens::Blende Maske(Art art, int b, int a, int g);

// Measures of a picture of width × height pixels (diaphragm at x = 0, a quarter across).
struct Masse {
    int X0 = 0, Y0 = 0;  // pixel of the world origin
    int xA = 0;          // left end of the incident region (negative)
    int xB = 0;          // right end of the region behind the diaphragm
    int yMax = 0;        // rows −yMax..yMax
};
Masse MasseVon(int breite, int hoehe);

// The wave values the controls give.
struct Welle {
    double lambda = 60;  // pixels
    int N = 8;           // frames per period
    double c() const { return lambda / N; }  // pixels per frame
    double p() const { return 96.0 / N; }    // table steps per frame
};

// Delay per frame from the speed position 0..4: 80, 60, 40, 20, 0 ms.
inline int VerzoegerungAusTempo(int position) { return 20 * (4 - position); }

// Frames of a single train and the first frame of a fresh wave.
int Laufzeit(const Masse &m, const Welle &w);
int Startzeit(const Masse &m, const Welle &w);

// The activity rule: a wave at distance r from its start is there at frame t when
// (it is already under way or c·t ≥ r) and (it is continuous or c·t ≤ r + λ).
bool Aktiv(double r, double t, const Welle &w, bool frischerStart, bool einzelZug);

// Displacement code −56..56 of a wave at distance r and frame t (96-step table).
int Auslenkung(double r, double t, const Welle &w, const TSinCosTabelle &tab);

// The idealised wave behind a slit (or an edge): distance from the opening's border and
// the attenuation outside the geometric beam. w is the opening's half-width (0 at an edge).
struct Punktwelle {
    double r = 0;   // distance travelled behind the diaphragm
    double F1 = 1;  // attenuation factor
};
Punktwelle AnimationsWelle(int x, int y, int w, int X0, bool spalt);

// Colours: displacement code k, intensity code m (already doubled), animation code k.
TColor FarbCodeAuslenkg(int k);
TColor FarbCodeIntens(int m);
TColor FarbCodeAnimation(int k);

// The displacement code of a simulated grid point at frame t.
int SimulationsCode(float amplitude, int phase, int t, const Welle &w, const TSinCosTabelle &tab);
// The incident wave's code in simulation mode at x and frame t.
int EinfallCode(int x, int t, const Welle &w, const TSinCosTabelle &tab);

// ---- layout ---------------------------------------------------------------------------------

struct Bildschirmmasse {
    int breite = 0, hoehe = 0;  // BildschirmBreite, BildschirmHoehe
    int zurueckOben = 0;        // ZurueckOben
    Spaltenwerte spalte;        // the standard column
    double F = 1.0;             // uniform factor of the scale
};

struct Layout {
    int f = 16;         // gap between the column panels
    QRect titel;
    QRect animSimu, datenEinf, datenKompl, hinweise;        // left column
    QRect lambda, zahlBilder, aufloesung, zeichenFl, licht;  // right column
    QRect flaeche;      // drawing area
    QRect hinweis;      // hint panel
    QRect ichRechne;    // waiting panel
};
Layout BerechneLayout(const Bildschirmmasse &b);

// Place of the picture for the size choice k (0 klein, 1 mittel, 2 groß) in the area.
QRect Bildort(const QRect &flaeche, int k);

}  // namespace Beugung

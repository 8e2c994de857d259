// The standing-wave window's physics and geometry, without widgets: the values the controls
// give, the two opposed waves of steps 1 to 4 (with the mirror centre of a reflecting end),
// the clamped string of step 5, the rope colours, the speed rule and the window layout.
#pragma once

#include "global.h"

#include <QRect>

#include <QString>

#include <array>
#include <vector>
#include <utility>

namespace StehendeWellen {

inline constexpr int Schritte = 5;

// What the controls give for a step, on a rope picture with origin X0 and vertical unit u.
struct Werte {
    int schritt = 1;
    int X0 = 0;
    int Amax = 0;     // round(0.9 · u)
    int A = 0;        // amplitude in pixels
    int N = 20;       // frames per period
    int lambda = 160; // wavelength in pixels
    int h = 80;       // half-wavelength
    double c = 8;     // pixels per frame
    double omega = 0; // per frame
    int xL = 0, xR = 0;  // rope ends
};
Werte BerechneWerte(int schritt, int X0, int u, int posAmplitude, int posSchwDauer, int posWellenlaenge);

// Wait per frame from the speed position 0..5: 248, 120, 56, 24, 8, 0 ms.
int VerzoegerungAusTempo(int position);

// The two opposed waves of steps 1 to 4.
struct Gegenwellen {
    double x1 = 0, x2 = 0;    // centres (x2 is the mirror centre of a reflecting end)
    int sigma1 = 1, sigma2 = 1;
    bool einzelPuls = false;  // steps 1 and 3: half a wavelength, one crest or one trough
    double laenge = 0;        // frames of a single pulse run
};
Gegenwellen AufbauGegenwellen(const Werte &w, bool wellental, bool gegenphasig, bool festesEnde);

// Displacements (y1, y2) of the two waves at x and frame t.
std::pair<double, double> Auslenkungen(const Gegenwellen &g, const Werte &w, double x, double t);

// Step 5: the string from xL to xR clamped at both ends with n antinodes.
std::pair<double, double> StehendeAuslenkungen(const Werte &w, int n, double x, double t);

// Colour code k of a displacement y relative to the full swing (round(y / voll · skala)).
int Farbcode(double y, double voll, int skala);
// Rope colour (red 0, green 157 + k, blue 255 − Amax + k) and component colour
// (red 0, green 255 − Amax + k, blue 157 + k), every channel clamped to 0..255.
TColor SeilFarbe(int Amax, int k);
TColor KomponentenFarbe(int Amax, int k);

// Node and antinode labels of step 2: x of each "Knoten" and each "Bauch".
struct Marken {
    std::vector<double> knoten, baeuche;
};
Marken KnotenUndBaeuche(const Werte &w, bool gegenphasig);

// Captions of the component pictures for a step.
struct Beschriftungen {
    QString oben, unten;
};
Beschriftungen KomponentenTexte(int schritt, bool wellenberg, bool gegenphasig, bool festesEnde);

// ---- layout -------------------------------------------------------------------------------
struct Layout {
    int u = 0, mitte = 0;
    QRect titel, text, beobachtButton;
    QRect image0, image1, image2, imageLambda;
    int spalteLinks = 0, spalteBreite = 177;
    // column panels in their order: BergTal, WZentren/FestLose, Welle, Amplitude,
    // ZBaeuche/WellenLaenge, EinzelWellen, Simulation
    std::array<QRect, 7> spalte;
};
// W = BildschirmBreite, H = BildschirmHoehe, T = ZurueckOben.
Layout BerechneLayout(int W, int H, int T);

}  // namespace StehendeWellen

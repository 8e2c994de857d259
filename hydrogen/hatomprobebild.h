// The hydrogen level exercises: geometry, the picture (series columns standing on their
// lower levels, the level diagram with the electron), the photon sprite and the rules that
// decide whether an emission or absorption can be shown. No widgets.
#pragma once

#include "canvas.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace Wasserstoff {

inline constexpr int ProbeStufen = 9;     // levels drawn
inline constexpr int ProbeZielGrenze = ProbeStufen; // n + k of an absorption at most this

// Size of the picture on a usable screen of W × H pixels.
QSize ProbeBildGroesse(int W, int H);

struct ProbeGeometrie {
    int w = 0, h = 0;
    int C = 0, spalte = 0;   // column width, series column width
    int x0 = 0, y0 = 0;
    double k = 0;            // pixels per eV
    int g[ProbeStufen + 1] = {};       // level heights above the ground state
    int grenze[5] = {};                // limit heights of the series n = 1..4
    int atomX = 0, atomBreite = 0;     // level diagram (offset from x0, width)

    void Vorbereiten(int breite, int hoehe);
    int YStufe(int j) const { return y0 - g[j]; }
};

// Colour of the photon between levels a < b.
TColor PhotonFarbe(int a, int b);
// Frequency in whole THz of the photon between levels a < b.
int PhotonFrequenz(int a, int b);

// The answer to an emission from n to t or an absorption of line k of series s in state n.
enum class Entscheid { Flug, KeineSerie, MussAufnehmen, Grundzustand, SchonDort, FalscheSerie, ZuHoch };
Entscheid EmissionPruefen(int n, int t);
Entscheid AbsorptionPruefen(int n, int s, int k);
QString EntscheidText(Entscheid e, int stufe);

// Labels standing on level lines: each wants its place; where it would overlap a label placed
// before it or a place already taken (belegt), it moves sideways (nachLinks: to the left) just
// past that one, staying within [links, rechts). A label that finds no room there is left out
// (an empty rectangle).
QList<QRect> MarkenSetzen(const QList<QRect> &wunsch, int links, int rechts, bool nachLinks,
                          const QList<QRect> &belegt = {});

// A text of the picture: place, text, font and colours (grund only where deckend).
struct Marke {
    QRect ort;
    QString text;
    TColor farbe = 0, grund = 0;
    Schrift schrift{QStringLiteral("Trebuchet MS"), 8, true};
    bool deckend = true;
};

// The photon picture: 2R × 2R, black (transparent under XOR) with rings of dots.
QImage PhotonBild(int radius, TColor farbe);
int PhotonRadius(const ProbeGeometrie &g, int a, int b);

class ProbeBild {
public:
    ProbeBild(Canvas &c, const ProbeGeometrie &g) : c_(c), g_(g) {}
    void ZeichneAlles(int n, bool grenzen, const QImage &elektron);
    void ZeichneSerie(int n, bool grenzen);
    void ZeichneHAtom(int n, bool grenzen, const QImage &elektron);
    void ZeichneSeriePhoton(int a, int b);
    // The energy labels of series column n, and the captions and labels of the level diagram
    // (current level n).
    QList<Marke> SerienMarken(int n);
    QList<Marke> AtomMarken(int n);

private:
    void Zeichne(const QList<Marke> &marken);
    void Strich(int x1, int y1, int x2, int y2);
    Canvas &c_;
    const ProbeGeometrie &g_;
};

// The electron picture: a small blue ball on black.
QImage ElektronBild();

}  // namespace Wasserstoff

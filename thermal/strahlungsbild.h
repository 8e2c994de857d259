// The radiation pictures of the black-body and the Planck window, drawn on a canvas
// without any widget: the coordinate system (intensity axis, frequency or wavelength
// axis, secondary scale), the curves, ratios, unit line, displacement locus, visible
// spectrum and the visible-range mark. The formula pictures are in strahlungsformel.h.
#pragma once

#include "canvas.h"
#include "strahlung.h"
#include "strahlungsformel.h"
#include "strahlungsgeometrie.h"

#include <QRect>

#include <array>
#include <functional>

namespace Waermestrahlung {

// Colours (0x00BBGGRR).
inline constexpr TColor FarbeGemessen = 0x00FFFF;
inline constexpr TColor FarbeWien = 0x00FF00;
inline constexpr TColor FarbeRJ = 0xFF00FF;
inline constexpr TColor FarbeWienRel = 0x00C100;
inline constexpr TColor FarbeRJRel = 0xC400C4;
inline constexpr TColor FarbeVerschiebung = 0xB5A40F;
inline constexpr TColor FarbeFrequenzSkala = 0xFFFF00;
inline constexpr TColor FarbeWellenSkala = 0x00FF00;
inline constexpr TColor FarbeRefLinie = 0x02D5DF;

// The fixed temperatures of the temperature check boxes, in drawing order.
inline constexpr std::array<int, 5> FesteTemperaturen = {2000, 3000, 4000, 5000, 5875};

enum class Kurvenart { Gemessen, Wien, RayleighJeans, WienRelativ, RayleighJeansRelativ };

// Height in px of a curve at world x (pixels from the origin): a density relative to
// the reference maximum (at Hmax), or a ratio (1 at 150 px). skala in px/Hz over
// frequency, px/m over wavelength; h Planck's constant. NaN where it cannot be computed.
double KurvenHoehe(Kurvenart art, bool ueberFrequenz, double x, double T, double skala, const Referenz &ref,
                   double Hmax, double h);

// The common part of both pictures.
class Strahlungsdiagramm {
public:
    Strahlungsdiagramm(Canvas &c, const Diagrammmasse &m);

    Canvas &canvas;
    Ursprung u;
    Diagrammmasse m;
    double skalaNu = 0;      // px per Hz
    double skalaLambda = 0;  // px per m

    void setzeSkalen(int positionFrequenz, int positionWLaenge);
    double skala(bool ueberFrequenz) const { return ueberFrequenz ? skalaNu : skalaLambda; }

    // Black fill, white vertical axis up to 1.05·Hmax with its title, dashed line at Hmax
    // with "maximale Strahlungsleistung bei Tref K": once right-aligned above the line
    // (black-body window) or twice under it, at the left and at the right (Planck window).
    // A label that would stand on the spectrum band (band: its columns, empty when no
    // spectrum is drawn) moves beside it where there is room.
    void Intensitaetsachse(int Tref, bool zweimalUnterDerLinie, std::pair<int, int> band = {0, -1});
    // The columns (left, right) of the band between two frequencies (Hz) on the current
    // scale; empty (right < left) where they are not finite.
    std::pair<int, int> Bandspalten(double f1, double f2, bool ueberFrequenz) const;
    // Main axis with the 1-2-5 ticks and its title.
    void HauptAchse(bool ueberFrequenz);
    // The other quantity's scale 80 px below the main axis.
    void Nebenskala(bool ueberFrequenz);

    // Draws a line through the points (x, hoehe(x)) for x = von, von + schritt, … while
    // weiter(last height) holds and x stays within [min(von, bis), max(von, bis)].
    // Heights are clamped to the picture's band; the pen lifts over NaN.
    void Linienzug(int von, int bis, const std::function<double(int)> &hoehe,
                   const std::function<bool(double)> &weiter = {});

protected:
    void schrift(int groesse, TColor farbe, bool fett = true);
    int obenImBild(int zeile) const;  // label tops above the picture go to its top edge
    // Coloured strips of the visible spectrum for the given frequencies (Hz), from y = 2
    // up to the picture's top; each strip reaches to the next one so that no gaps show.
    void Farbstreifen(const QVector<double> &frequenzen, const QVector<TColor> &farben, bool ueberFrequenz);
};

// ---- what both windows' controls set --------------------------------------------------------

struct StrahlungsZustand {
    bool ueberFrequenz = true;
    bool mitSpektrum = false;
    int positionFrequenz = 120;  // axis end in 10 THz
    int positionWLaenge = 250;   // axis end in 10 nm
    int refTemperatur = 5000;    // K
    bool variabel = false;       // one variable temperature instead of the fixed ones
    int varTemperatur = 5000;    // K
    std::array<bool, 5> temperatur = {false, false, false, true, false};
    int strichbreite = 3;
    double h = 6.626e-34;  // Planck's constant of the curves (J·s)
    QRect verdeckt;        // the part of the picture under other pictures shown over it
};

// ---- the black-body window ------------------------------------------------------------------

struct SchwarzkoerperZustand : StrahlungsZustand {
    bool gemessen = false, wien = false, rayleighJeans = false;
    bool wienRelativ = false, rayleighJeansRelativ = false;
    bool verschiebung = false;
};

class SchwarzkoerperBild : public Strahlungsdiagramm {
public:
    using Strahlungsdiagramm::Strahlungsdiagramm;

    // The full redraw: coordinate system and the curves of the fixed or the variable temperature.
    void ZeichneKurven(const SchwarzkoerperZustand &z);
    void Koordinatensystem(const SchwarzkoerperZustand &z);
    void ZeichneStrahlungskurven(const SchwarzkoerperZustand &z);
    void ZeichneEinzelneStrahlungskurve(const SchwarzkoerperZustand &z);
    void ZeichneEinheit(const SchwarzkoerperZustand &z);
    void ZeichneVerschiebung(const SchwarzkoerperZustand &z);
    void ZeichneKurve(Kurvenart art, double T, const SchwarzkoerperZustand &z);
    void Spektrum(bool ueberFrequenz);

private:
    Referenz ref_;
};

// ---- the Planck window ----------------------------------------------------------------------

// The same settings; the window starts at 5875 K on a 6000 K scale.
struct PlanckZustand : StrahlungsZustand {
    PlanckZustand()
    {
        refTemperatur = 6000;
        temperatur = {false, false, false, false, true};
    }
};

class PlanckBild : public Strahlungsdiagramm {
public:
    using Strahlungsdiagramm::Strahlungsdiagramm;

    // Picture without curves: intensity axis, main axis and secondary scale, visible-range
    // mark, and the spectrum when it is wanted.
    void Vorbereiten(const PlanckZustand &z);
    // Vorbereiten, then the ticked fixed curves or the variable one.
    void ZeichneStrahlungskurven(const PlanckZustand &z);
    // One curve in yellow, or in black to erase it.
    void ZeichneKurve(double T, bool zeichnen, const PlanckZustand &z);
    // The bracket over the visible range with its label; a label under the covered part
    // of the picture moves along the bracket beside it, or the bracket moves below it.
    void SichtbarerBereich(bool ueberFrequenz, const QRect &verdeckt = {});
    void Spektrum(bool ueberFrequenz, const QRect &verdeckt = {});
};

}  // namespace Waermestrahlung

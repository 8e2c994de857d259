// What the counter-field window and the Planck-constant window compute without widgets:
// the metals, the photocell sketch of each window, the tempo, and the run of quanta and
// electrons against the counter voltage with the photo current it gives. Planck's
// constant and the other physical values are passed in.
#pragma once

#include "photokit.h"

#include <QString>
#include <QVector>

#include <array>
#include <deque>
#include <functional>

namespace Photoeffekt {

// ---- metals -------------------------------------------------------------------------------------

struct Metall {
    const char *name;     // as the radio group shows it, in German (MetallName: as shown)
    double abloeseEV;      // work function in eV
};
inline constexpr int MetallAnzahl = 4;
extern const Metall Metalle[MetallAnzahl];  // sodium, potassium, rubidium, caesium
// The metal's name in the language shown.
QString MetallName(const Metall &m);
// Threshold wavelength h c / W in nm, rounded (sodium 543,8 → 544).
int GrenzwellenlaengeNm(double abloeseEV, double h, double e, double c);
// Stopping voltage (h f − W) / e in volts; negative when no electron is released.
double Grenzspannung(double h, double frequenzHz, double abloeseEV, double e);

// ---- sketches ----------------------------------------------------------------------------------

struct GegenfeldSkizze {
    int breite = 0, hoehe = 0;
    int r = 6, D = 13, t = 8;
    int cw = 0;
    int zelleLinks = 0, zelleRechts = 0, zelleMitteX = 0, zelleOben = 0, zelleUnten = 0, mitte = 0;
    int y0 = 0, saeuleUnten = 0;  // electron column
    int kathodeX = 0, startX = 0, anodeX = 0, ankunftX = 0;
    int leitungY = 0;
    QPoint drehpunkt;
    int quelleX = 0, quelleHalb = 24;
    int ecke = 68;      // corner of the bulb
    int schichtRechts = 0;  // right edge of the metal layer
};
// The counter-field window's photocell in a picture of breite × hoehe.
GegenfeldSkizze GegenfeldDaten(int breite, int hoehe, int schriftMittel);
// The Planck-constant window's photocell. On pictures too low for the formulas the cell
// moves down (or up) just as far as it must to stay inside.
GegenfeldSkizze PlanckZellenDaten(int breite, int hoehe, int schriftMittel);
// Where a lamp's ray 0 starts: at x0, or closer to the cell where the rays would climb
// out of the top of the picture.
int LampeX(const GegenfeldSkizze &k, int x0);
// The Planck window's lamp: 22 rays spread over 20 electron diameters, ray 0 at x0.
Lampe PlanckLampe(int x0, int yOben, int kathodeX, int D);

// ---- tempo -------------------------------------------------------------------------------------

inline constexpr int GegenfeldTempoMax = 5;
double GegenfeldDt(int p);                  // 5e-6 × 1.5^p s
int GegenfeldVerzoegerungAnfang(int p);      // 20 × 2^(5 − p) − 1 ms, until the tempo is changed
int GegenfeldVerzoegerung(int p);            // 20 × 1.5 (5 − p) times, rounded each time, − 1 ms

// ---- the run ------------------------------------------------------------------------------------

// How a window's run differs.
struct Laufart {
    double quantVx = 9e5, quantVy = 1.5e5;  // px per second
    double emissionProI = 0;                // 0: a quantum whenever a slot is free; else probability 0.02 × I
    double neuWahlAb = 0.8;                 // a busy slot is drawn again when u ≥ this
    bool startVerteilt = false;             // quanta start spread by u × 0.5 × Δt of their motion
    bool quantenAmZellrand = false;         // unseen quanta start at the cell (counter-field wave model)
    bool trefferliste30 = true;             // hits count 30 frames (counter field) or per 15-frame evaluation
};
Laufart GegenfeldLaufart(bool wellenModell);
Laufart PlanckLaufart();

struct Quant {
    double x = 0, y = 0;
    double energie = 0;
    bool aktiv = false;
};

// One run of the photocell with the counter voltage. The window gives the drawing
// callbacks; the model decides who moves where and how large the current is.
class GegenfeldLauf {
public:
    // Geometry
    double startX = 0, ankunftX = 0, kathodeX = 0;
    double zelleMitteX = 0;
    QVector<QPoint> strahlen;  // lamp rays (22)
    double yOben = 0, D = 13;  // electron column
    Laufart art;
    // Physics
    double h = PlanckLiteratur, e = 1.602e-19, m = 9.11e-31;

    std::array<TElektron, ElektronenAnzahl> el{};
    std::array<Quant, ElektronenAnzahl> q{};
    int bild = 0;           // frame number
    int elektronenImFlug = 0;
    int quantenImFlug = 0;
    std::deque<int> treffer;  // hit list
    int letzteAuswertung = 0;
    double ausschlag = 0;
    int trefferGesamt = 0;    // electrons that reached the ring in this run
    int gestartet = 0;        // electrons released in this run

    // Drawing: an electron with its flight (true) or rest sprite; a quantum (toggle, by XOR).
    std::function<void(const TElektron &, bool flug)> zeichneElektron;
    std::function<void(int k, bool zeichnen)> quantZeigen;  // the window shows or hides quantum k

    void Aufstellen();       // electrons placed and reset, quanta inactive, lists empty
    void Anfangen();         // start of a run: counters and lists cleared, everything reset (not drawn)

    // One frame. lichtAn: quanta may be emitted; U in volts; W in eV; f in THz; dt in s.
    void Schritt(bool lichtAn, bool darfAussenden, int I, int fTHz, double abloeseEV, double U, double dt);

    // Parts of a frame (public for tests).
    double Startgeschwindigkeit(double energie, double abloeseEV) const;
    double Beschleunigung(double U) const;
    bool QuantAussenden(int I, double energie, double dt);
    void QuantenBewegen(double dt, int I, double abloeseEV);
    void ElektronenBewegen(double U, double dt);
    void StromMessen();
    void TrefferMerken();
    void ElektronHeim(TElektron &e);
    void AllesHeim();  // quanta hidden and inactive, electrons home
};

// ---- the Planck-constant computation -------------------------------------------------------

struct PlanckRechnung {
    bool gueltig = false;
    QString meldung;  // the refusal, when not gueltig
    double h = 0;
    QString text;     // " h = 6,6E-0034 J s"
};
// The pupil's entries: frequencies in THz, stopping voltages in mV, as typed.
PlanckRechnung PlanckBerechnen(const QString &f1, const QString &f2, const QString &u1, const QString &u2,
                               double e);
// h with one decimal of its mantissa and a four-digit exponent: "6,6E-0034".
QString PlanckFormat(double h);
// Whether a computed h is taken over for the whole program.
bool PlanckPlausibel(double h);
// Digits only: what an entry field keeps of a typed or pasted text.
QString NurZiffern(const QString &text);

}  // namespace Photoeffekt

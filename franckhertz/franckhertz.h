// The Franck–Hertz kit without widgets: the tube unit and the points of the apparatus, the
// gas atoms with their thermal motion and collisions, one electron's flight through the
// tube with its inelastic collisions and the meter reading, and one voltage step of the
// recorded curve. Drawing goes through the small Maler interface, so the windows draw by
// XOR and the tests count.
#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>

#include <array>
#include <cstdint>
#include <functional>

namespace FranckHertz {

// Elementary charge and electron mass as the three windows compute with them.
inline constexpr double Ladung = 1.602e-19;
inline constexpr double Masse = 9.11e-31;

// The three windows draw the same tube with small differences.
enum class Variante { Anordnung, Durchfuehrung, Kurve };

// ---- vectors and atoms -------------------------------------------------------------------
struct TPolarVektor {
    float x = 0, y = 0;
    float laenge = 0, winkel = 0;  // cached polar form; winkel = atan2(y, x)

    void SetzeXY(float nx, float ny);
    void SetzePolar(float l, float w);
    void Skaliere(float s);
};

struct TGasAtom {
    TPolarVektor ort;      // pixels
    TPolarVektor v;        // pixels per frame
    std::uint8_t angeregt = 0;
    int anregSchritt = 0;  // step of the electron's flight at which it was excited
};

// ---- tube unit and points ----------------------------------------------------------------
// The cathode is drawn 9 px wide and redrawn while it heats; atoms keep clear of it (and of
// the collector), so that redrawing it never cuts into an atom drawn by XOR.
inline constexpr int KathodenBreite = 9;
inline constexpr int KathodenAbstand = KathodenBreite / 2 + 1;

// titelUnten: the title panel's bottom; R = ZurueckOben, B = ZurueckLinks, W = BildschirmBreite.
int FaktorAnordnung(int R, int titelUnten, int F2, int W, int hw, int mw);
int FaktorDurchfuehrung(int R, int titelUnten, int simLinks, int atomeRechts);
int FaktorKurve(int R, int titelUnten, int B, int atomeRechts);

struct Rohrpunkte {
    Variante art = Variante::Durchfuehrung;
    int e = 0, X0 = 0, Y0 = 0, t = 0, L = 0;
    int kathodeX = 0, gitterX = 0, auffaengerX = 0;
    QPoint kathodeOben, kathodeUnten, gitterOben, gitterUnten, auffaengerOben, auffaengerUnten;
    // The counter voltage brakes: its plus socket is wired to the grid, its minus socket
    // (through the current meter) to the collector.
    QPoint C1, C2, UaMinus, UaPlus, S1, S2, UgMinus, UgPlus;
    QPoint Voltmeter, Amperemeter, H1, H2;
    int R1 = 0, R2 = 0;  // outer and inner dial radius
};
Rohrpunkte DefinierePunkte(Variante art, int X0, int Y0, int e);

// Atom radius r (the even part of e div 2, within 12..24) and electron radius re = r div 2.
struct Radien {
    int r = 12, re = 6;
};
Radien AtomRadien(int e);

// ---- drawing interface -------------------------------------------------------------------
// Everything the kit draws is drawn by XOR: drawing twice at the same place erases.
class Maler {
public:
    virtual ~Maler() = default;
    virtual void AtomXor(const TGasAtom &a) = 0;
    virtual void ElektronXor(float x, int y) = 0;
    // The pause after an excitation (Stopp bei Stoß), asked for during a step and waited out
    // by the caller after it; a no-op in tests.
    virtual void StossPause(int ms) { (void)ms; }
};

// ---- the gas -------------------------------------------------------------------------------
inline constexpr int MaxAtome = 30;

class Gas {
public:
    // Atoms 1..30 as in the tube; index 0 is unused.
    std::array<TGasAtom, MaxAtome + 1> atom{};
    int N = 0;          // atoms present
    int r = 12;         // atom radius
    int rand = 0;       // margin before cathode and collector (KathodenAbstand in the windows)
    int kathodeX = 0, gitterX = 0, auffaengerX = 0, Y0 = 0, t = 0;
    bool angeregteAmAnfang = false;  // the set-up window excites atoms 1 to 3 at random
    int versucheJeAtom = 20000;      // placement gives up after this many tries per atom

    void Einrichten(const Rohrpunkte &p, int radius, int randAbstand);

    // Places atoms first..last (1-based) and draws them; gives up when an atom finds no place
    // and keeps those placed. Returns the atom count afterwards.
    int InitAtome(int first, int last, float T, Maler *m);
    // XOR-erases atoms first..last.
    void LoescheAtome(int first, int last, Maler *m);
    // Changes the count to n: adds or removes atoms at the end.
    void SetzeAnzahl(int n, float T, Maler *m);

    // One frame of thermal motion with wall and atom collisions.
    void TemperaturBewegung(Maler *m);
    // Scales every velocity by neu/alt; from alt = 0 every atom gets a new velocity u·T/2.
    void TemperaturAendern(float alt, float neu);

    // Set by the last frame (for tests): the pairs that collided and the atoms that hit a wall.
    std::array<std::array<bool, MaxAtome + 1>, MaxAtome + 1> paarMarke{};
    std::array<bool, MaxAtome + 1> wandStoss{};
    int stoesseImLetztenSchritt = 0;

private:
    void Verschiebe(int k, float x, float y, Maler *m);
};

// ---- one electron at a time (the run window) -----------------------------------------------
struct LaufParameter {
    double Ua = 4.0, Ug = 1.0, E = 4.9;  // V, V, eV
    double dt = 2.05e-5;                 // s per step
    int P = 15;                          // a collision happens when u·P > 1
    int T = 48;                          // excitation time: steps
    int stossPause = 0;                  // ms after each excitation
};

double Mindestgeschwindigkeit(double E);  // sqrt(2·E·e/m), m/s

// Counts how many of the last ten electrons reached the collector.
class Ankunftsfenster {
public:
    void Leeren() { c_ = 0; }
    // Books electron n (n electrons emitted so far) as arrived or not.
    void Buchen(int n, bool angekommen);
    int Anzahl() const { return c_; }
    // The meter reading after electron n: c/n for the first ten, then c/10.
    double Anzeige(int n) const;

private:
    std::array<int, 10> stempel_{};
    int c_ = 0;
};

class ElektronenLauf {
public:
    ElektronenLauf(const Rohrpunkte &p, const Radien &rad) : p_(p), rad_(rad) {}

    LaufParameter par;
    Ankunftsfenster fenster;
    int n = 0;  // electrons emitted
    int angekommen = 0, nichtAngekommen = 0;
    double m = 0;  // meter value 0..1
    // the electron in flight
    float x = 0;
    int y = 0;
    double v = 0;
    int s = 0;
    int phase = 0;  // 1 acceleration, 2 braking, 0 ended
    double vmin = 0;

    int x0() const { return p_.kathodeX + rad_.r; }
    void LaufBeginnen();  // clears the arrival window and the counters
    // Emits the next electron at height yStart.
    void NeuesElektron(int yStart);
    // One step of the flight (moves the electron, the collision pass with gas atoms);
    // false when the flight has ended (nothing moved then).
    bool Schritt(Gas *gas, bool atomBewegung, Maler *maler);
    // Books the flight; a stopped flight books nothing and sets m = 0.
    void Buchen(bool gestoppt);
    // Every excited atom returns to the ground state.
    static void AlleAbregen(Gas &gas, Maler *maler);

private:
    void Stossdurchgang(Gas &gas, Maler *maler);
    Rohrpunkte p_;
    Radien rad_;
};

// ---- the curve ------------------------------------------------------------------------------
struct KurvenParameter {
    double U = 0, Ug = 2.0, E = 4.9;
    double p = 15 * 8e-4;  // collision factor
    int N = 8000;          // electrons
    int kathodeX = 0, gitterX = 0, auffaengerX = 0;
};
inline constexpr double KurvenZeitschritt = double(1.5e-6f);

// Simulates N electrons at voltage U; returns the number that reached the collector.
// zustand is the local random generator's state (never 0), carried from step to step.
int KurvenSchritt(const KurvenParameter &k, std::uint64_t &zustand);

// Collector current of a step: round(n·U/Ua max).
int Auffaengerstrom(int n, double U, double UaMax);
// Needle value of the current meter: min(1, I·(250/N)/200), at least 0.
double StromZeiger(int I, int N);

// The voltages of the maxima of a recorded curve (voltage in V, current), in rising order. The
// curve is smoothed over ±0.2 V; a maximum counts once the smoothed curve has risen to it and
// fallen from it by more than 15 % of its height and more than thrice the counting noise
// (square root of the height), so a top at the curve's rising end is none yet. Each is placed
// at the highest recorded point within the smoothing width around the smoothed top.
QList<double> KurvenMaxima(const QList<QPointF> &werte);

}  // namespace FranckHertz

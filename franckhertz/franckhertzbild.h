// Drawing of the Franck–Hertz apparatus on a canvas: tube, grid, cathode, collector,
// circuit, sockets, polarity signs, switch, meters and needles, the sprites of atoms and
// electron with their legend. The three windows differ only by the tube variant.
#pragma once

#include "canvas.h"
#include "franckhertz.h"

#include <QImage>

#include <functional>

namespace FranckHertz {

inline constexpr TColor FarbeGlas = 0xFFFF00;
inline constexpr TColor FarbeRohrInnen = 0x000000;
inline constexpr TColor FarbeGasKurve = 0x0F2E05;
inline constexpr TColor FarbeMinus = 0x800000;
inline constexpr TColor FarbePlus = 0x0000FF;
inline constexpr TColor FarbeHeiss = 0x0000FF;
inline constexpr TColor FarbeKaltLauf = 0x00009F;  // cold cathode of the run window
inline constexpr TColor FarbeSkalaRand = 0xFF5151;

// The sprites: ground-state atom, excited atom (2r × 2r) and electron (2re × 2re), black
// where nothing is, so that XOR drawing leaves the picture around them unchanged.
struct Sprites {
    int r = 12, re = 6;
    QImage grund, angeregt, elektron;
};
Sprites DefiniereAtomeElektron(const Radien &rad);

// A needle and the value at which it is drawn.
struct Zeiger {
    QPoint ort;
    double wert = 0;
    bool gezeichnet = false;
};

class Rohrzeichner {
public:
    Rohrzeichner(Canvas &c, const Rohrpunkte &p) : c_(c), p_(p) {}

    TColor grund = 0x964401;          // picture background
    TColor rohrInnen = FarbeRohrInnen;

    void ZeichneFranckHertz(Zeiger &volt, Zeiger &strom);
    void ZeichneKathode2(TColor farbe);
    TColor KaltFarbe() const;
    void Zeichnegitter2();
    void ZeichneAuffaenger2();
    void ZeichneBuchse2(QPoint p, int dx = 0, int dy = 0);
    void Polung(QPoint p, bool plus);
    // The centre of the polarity sign of the socket at p.
    QPoint PolungsOrt(QPoint p) const;
    void ZeichneSchalter(bool offen);
    void MessGGehaeuse(QPoint p, bool strom);
    void MessGAnzeige(QPoint p, TColor farbe, double wert);
    // Moves a needle to wert (clamped to 0..1): the old one in white, or in the dial edge
    // colour when it stood exactly at 0 or 1, then the new one in black.
    void ZeigerSetzen(Zeiger &z, double wert);
    // Erases a needle (by the same rule) without drawing a new one.
    void ZeigerLoeschen(Zeiger &z);
    // The legend of the three sprites on the picture's top row.
    void BeschrifteAtome(const Sprites &s, int F2);
    // U with a subscript, centred vertically on y, its right end at rechts (or centred on x).
    void IndexText(const QString &haupt, const QString &index, int x, int y, bool zentriert);

    Canvas &canvas() { return c_; }
    const Rohrpunkte &punkte() const { return p_; }

private:
    void Linie(QPoint a, QPoint b);
    Canvas &c_;
    Rohrpunkte p_;
};

// Draws the atoms and the electron of a window by XOR, centred at their rounded positions.
class SpriteMaler : public Maler {
public:
    SpriteMaler(Canvas &c, const Sprites &s) : c_(c), s_(s) {}
    void AtomXor(const TGasAtom &a) override;
    void ElektronXor(float x, int y) override;
    // Only noted: the window's run waits it out after the step.
    void StossPause(int ms) override { stossPause += ms; }
    int zuege = 0;  // XOR drawings done (for tests)
    bool elektronDa = false;          // the electron sprite is on the picture
    float elektronX = 0;              // where it was drawn
    int elektronY = 0;
    int stossPause = 0;               // ms to wait after this step's excitations

private:
    Canvas &c_;
    const Sprites &s_;
};

}  // namespace FranckHertz

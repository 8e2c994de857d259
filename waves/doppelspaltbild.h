// Drawing of the double-slit picture on a canvas: the screen with its axes, the table, the
// slit diaphragm and the lamp in the oblique view, the intensity graph, the classical
// expectation and the dots of the quanta.
#pragma once

#include "canvas.h"
#include "doppelspalt.h"

#include <QRect>

namespace Doppelspalt {

inline constexpr TColor BlendenRand = 0x708090;
inline constexpr TColor BlendenFuellung = 0x000068;
inline constexpr TColor BlendeBeleuchtet = 0x587FB3;
inline constexpr TColor Gelb = 0x00FFFF;

// Everything a picture is drawn from.
struct Zustand {
    Masse m;
    bool mit = true;      // apparatus in the oblique view
    Blick blick;          // used only with the apparatus
    int d = 8;            // slit distance
    std::vector<double> I;
    bool lampe = false;
    bool graph = false, klassisch = false;
    TColor grund = 0;
};

// The face-on screen's inside: the pixels within its silver border (the border is drawn with
// a pen 2 pixels wide, so that the box loses one row and column at the top and left and
// two at the bottom and right). Quanta and stripes stay in here.
QRect SchirmInnen(const Masse &m);

class DoppelspaltBild {
public:
    DoppelspaltBild(Canvas &c, const Zustand &z);

    void ZeichneAlles();  // screen, axes, graph, stripes and (with the apparatus) table, diaphragm, lamp
    void ZeichneSchirm();
    void ZeichneAchsen();
    void ZeichneTisch();
    void ZeichneSpaltBlende();
    void ZeichneDoppelSpalt();
    void ZeichneQuelle();
    void ZeichneGraph(TColor farbe);
    void ZeichneKlassisch();

    // Paints the dot of a hit at (a, c) yellow where the pixel is grey, with the three mirror
    // dots when vierfach; returns the pixels painted (empty when none).
    QRect Treffer(int a, int c, bool vierfach);

    Projektion projektion() const { return pr_; }

private:
    void MoveToBS0(double x, double y, double z);
    void LineToBS0(double x, double y, double z);
    void LineBS0(double x1, double y1, double z1, double x2, double y2, double z2);
    QRect Punkt(int a, int c);
    Canvas &c_;
    const Zustand &z_;
    Projektion pr_;
};

}  // namespace Doppelspalt

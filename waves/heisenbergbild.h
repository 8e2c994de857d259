// Drawing of the uncertainty window's picture on a canvas: the slit (real size or zoomed),
// its cover, the position axis, the velocity diagram, the scale, a frame of the wave, the
// zoomed intensity, the photon sprites (drawn and erased by exclusive or) and their traces.
#pragma once

#include "canvas.h"
#include "heisenberg.h"

#include <QImage>
#include <QRect>

namespace Heisenberg {

struct Zustand {
    Masse m;
    int schritt = 1;
    int b = 80;
    double lambda = 60;
    int s = 2;             // resolution: grid pitch and tile side 2s
    double c = 15, p = 24; // phase speed and phase step per frame
    double theta1 = 0;
    const Huygens::Feld *feld = nullptr;
    const Richtungen *richtungen = nullptr;
    TColor grund = 0;
};

inline constexpr TColor SpurFarbe = 0xFF00FF;

// The sprite pictures: the 25 × 25 photon (white dots on rings round a white centre, on
// black; random start angles from ganz) and the 11 × 11 marker of the zoomed view.
QImage PhotonBild(const GanzZufall &ganz);
QImage MarkerBild();

class HeisenbergBild {
public:
    HeisenbergBild(Canvas &c, const Zustand &z) : c_(c), z_(z) {}

    void Loeschen();           // the whole picture in the background colour
    void ImageVorbereiten();   // slit and the decorations of the step, over the present picture
    void ZeichneSpalt();
    void ZeichneSpaltZoom();
    void VerschliesseSpalt();  // the cover behind the slit (step 4)
    void ZeichneOrtsKoo(bool mitDx);
    void ZeichneGeschwindigkeit();
    void SchreibeMassstab();
    void ZeichneWellen(int t);
    void ZeichneIntensitaetZoom();

    // Draws a sprite centred on the world point by exclusive or; returns the pixels touched.
    QRect Sprite(const QImage &bild, QPoint mitte);
    QPoint Pixel(double x, double y) const;
    // Writes a trace pixel in copy mode; returns its rectangle (empty outside).
    QRect Spur(QPoint p);

private:
    void Kachel(int x, int y, TColor farbe);
    void ZeichnePfeil(double kopf, double winkel, double laenge, double x, double y);
    void Buchstaben(const QString &text, double x, double y, double hoehe);
    Canvas &c_;
    const Zustand &z_;
};

}  // namespace Heisenberg

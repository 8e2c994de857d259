// Geometry and title picture of the start screen, without widgets.
#pragma once

#include "global.h"

#include <QImage>
#include <QRect>

class Canvas;

// Reveal order of the portraits: Planck, Einstein, Franck, Hertz (upper row, left to
// right), then Bohr, de Broglie, Heisenberg, Schrödinger (lower row, right to left).
inline constexpr int PortraitAnzahl = 8;

struct Startgeometrie {
    int breite = 0, hoehe = 0;  // BildschirmBreite, BildschirmHoehe
    QRect knoepfe;              // PanelButtons
    double knopfFaktor = 1.0;   // below 1 where the panel is shrunk to a low screen
    QRect titel;                // ImageTitel
    QRect portrait[PortraitAnzahl];
};

// The layout for a monitor of the given size (full geometry in logical pixels). The
// portraits keep clear of the title's lettering; on low screens they shrink for it.
Startgeometrie BerechneStartgeometrie(int monitorBreite, int monitorHoehe);

// Pen colour of ring i (1..170) of the title picture over the given background.
TColor TitelRingFarbe(int i, TColor hintergrund);

// The box of the title's lettering ("Quanten" over "pfad") in the title picture.
QRect TitelSchrift(int schriftGross);

// Draws the title picture (680 × 680) on the canvas: the radial rings and the title.
void ZeichneTitelbild(Canvas &c, TColor hintergrund, int schriftGross);

// The title picture of the given (logical) size at skala device pixels per pixel, drawn once:
// a start screen made again with the same size, background, font size and scale gets the
// picture already drawn.
QImage Titelbild(int breite, int hoehe, TColor hintergrund, int schriftGross, double skala = 1);

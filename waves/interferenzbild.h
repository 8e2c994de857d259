// All drawing of the wave-propagation window on the canvas: the rope at rest and in
// motion, the water picture, the intensity picture, the two sections, the axes, the
// centre and mass markers and the wavelength markers. No widgets: each function draws
// on the canvases it is given, in the picture's own background colour.
#pragma once

#include "canvas.h"
#include "interferenz.h"

#include <QImage>
#include <QString>

namespace Interferenz {

// The small markers (left centre 8 × 15, right centre 8 × 15, rope mass 17 × 17), drawn on
// the transparent key colour MarkerSchluessel.
inline constexpr TColor MarkerSchluessel = 0xFF00FF;
QImage ZentrumLinksBild();
QImage ZentrumRechtsBild();
QImage SeilmasseBild();

// The three rope pictures (any may be null); each has its origin at its centre.
struct SeilBilder {
    Canvas *summe = nullptr, *eins = nullptr, *zwei = nullptr;
};

// Clears a rope picture; with mitSeil draws the rope at rest through the marked points,
// with the mass marker on each.
void SeilVorbereiten(Canvas &c, TColor grund, int R, bool mitSeil, const Markierung &m, const QImage &masse);
// The grey dash-dot axis y = 0 of a rope picture.
void Achsen1Dim(Canvas &c);
// One frame of the rope run at time t on all three pictures, then their axes.
void ZeichneSeilFrame(const SeilBilder &b, const SeilLauf &l, double t, const Markierung &m, const QImage &masse,
                      TColor grund);

// A wavelength marker: the picture cleared, the text centred at the top, two ticks λ apart
// around the centre joined by a line. unten: ticks from the bottom edge (the second marker),
// else from 6 pixels above it.
void ZeichneLambdaMarker(Canvas &c, int lambda, const QString &text, bool unten, TColor grund);

// One frame of the water picture at time t: every grid square of pitch 2s, mirrored to −y.
void ZeichneWasserFrame(Canvas &c, const WasserLauf &l, double t, TColor grund);
// The time-averaged intensity of two centres, on the whole picture.
void ZeichneIntensitaetsBild(Canvas &c, const WasserLauf &l, TColor grund);
// Section AB cleared with its zero line and, for one centre and for "links + rechts",
// the wavelength bar.
void SchnittWaagrVorbereiten(Canvas &c, const WasserLauf &l, TColor grund);
// Section CD cleared with its zero line.
void SchnittSenkrVorbereiten(Canvas &c, int Q, TColor grund);
// The curves of both sections at time t (sections already prepared).
void ZeichneSchnitte(Canvas &ab, Canvas &cd, const WasserLauf &l, double t, int Q);
// The line AB (red dash-dot) and the line CD (blue dashed) across the water picture.
void Achsen2Dim(Canvas &c, int X0, int Y0);
// The centre markers at the picture's edges.
void ZeichneZentren(Canvas &c, const WasserLauf &l, const QImage &links, const QImage &rechts);

}  // namespace Interferenz

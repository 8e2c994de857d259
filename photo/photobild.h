// Pictures and drawing of the photoelectric apparatus kit on a canvas: the electron and
// quantum pictures, electrons by XOR, lamp and lens, light waves set pixel by pixel by XOR,
// sockets and polarity marks, the galvanometer with its needle, and the lamp-spectrum strip, wires.
// Functions that change a small part of the picture return that part, so that the window
// repaints only what changed.
#pragma once

#include "canvas.h"
#include "photokit.h"

#include <initializer_list>
#include <vector>

namespace Photoeffekt {

// ---- pictures -------------------------------------------------------------------------------

// The electron picture: a shaded ball filling a D × D square, black around it. No pixel of
// the ball is black, so black marks exactly the surround.
QImage ElektronenBild(int r);

// The two sprites that are drawn by XOR. The flight sprite shows the electron on the
// drawing background in its true colours (aufHintergrund) or is the picture itself (for
// electrons flying over the black inside of a cell); the rest sprite shows it in true
// colours on the metal.
struct ElektronenSprites {
    int r = 6;
    QImage flug, ruhe;
};
ElektronenSprites DefElektron(int r, TColor hintergrund, TColor metall, bool aufHintergrund);

// The 55 × 55 picture: concentric dotted rings of the given colour on black.
QImage QuantBild(int radius, TColor farbe);
// Gives every quantum the pictures of light of frequency f: its true colour inside the
// black cell, that colour XOR the background outside.
void QuantenDefinieren(Quanten &q, int r, int frequenzTHz, TColor hintergrund);

// XOR-draws an electron with its flight or rest sprite; drawing twice erases it.
QRect ZeichneElektron(Canvas &c, const ElektronenSprites &s, const TElektron &e, bool flug);

// Electrons that show in their true colours on any ground (lamp housing, labels, waves):
// each is drawn by XOR with the difference between its picture and what lies under it,
// and that difference is kept until the electron is erased with it, so XOR drawing done
// in between (waves, other electrons) stays intact.
class Echtfarben {
public:
    // r: electron radius; the picture is ElektronenBild(r).
    void Setzen(int r);
    // Draws electron e, or erases it where it was drawn; returns the area touched.
    QRect Umschalten(Canvas &c, const TElektron &e);
    bool gezeichnet(int index) const { return index >= 0 && index < ElektronenAnzahl && e_[index].an; }
    // Forgets every drawn electron (the picture under them has been drawn anew).
    void Vergessen();

private:
    struct Eintrag {
        bool an = false;
        QPoint ort;                   // top-left corner of the picture
        std::vector<TColor> maske;    // per pixel of the picture: what it was XOR-ed with
    };
    QImage bild_;
    std::array<Eintrag, ElektronenAnzahl> e_{};
};

// XOR-draws a quantum centred at its position: the inside picture right of the glass's
// left edge (the black inside of the cell), the outside picture elsewhere.
QRect ZeichneQuant(Canvas &c, const TQuant &q, int glasLinks);
// Erases every active quantum, puts it back to its ray's start and marks it inactive.
QRect QuantenAusschalten(Canvas &c, Quanten &q, const QVector<QPoint> &strahlen, int glasLinks);

// The lamp housing (grey lines parallel to the light) and the lens in grey.
inline constexpr TColor LinsenGrau = 8421504;
void ZeichneLampe(Canvas &c, const Lampe &l);
// The lens as a line 11 px wide, in copy mode.
QRect ZeichneLampenLinse(Canvas &c, const Lampe &l, TColor farbe);

// How the waves of a window look.
struct Wellenbild {
    int bisX = 0;           // the metal's x: the waves end there (included)
    double K = 1;           // wave number factor
    int laenge = 192;       // steps per period of the sine table
    int amplitude = 9;      // px
    int linienBreite = 2;   // 1: pixel y; 2: pixels y and y + 1
    int strahlSchritt = 1;  // waves on every n-th ray
    int pixelSchritt = 1;   // every n-th column
    QVector<QRect> frei;    // areas the waves leave out (labels stay readable)
};
// XOR-draws the waves of all rays at phase a with the XOR value (wave colour XOR
// background); drawing the same phase twice erases them. Returns the area touched.
QRect ZeichneLichtWellen(Canvas &c, const Lampe &l, const Wellenbild &w, int a, TColor xorWert);

// Ultraviolet light is drawn black; over the black inside of a cell it shows in this grey.
inline constexpr TColor UVImDunkeln = 0x707070;
// The waves into a glass cell: over the background by XOR in the light's colour (XOR value
// farbe ^ grund), left out on the glass wall (inside glas, outside innen), and inside
// innen, the cell's black inside, in the light's own colour. Drawing the same phase twice
// erases them. Returns the area touched.
QRect ZeichneWellenInZelle(Canvas &c, const Lampe &l, const Wellenbild &w, int a, TColor farbe, TColor grund,
                           const QRect &glas, const QRect &innen);

// A socket: a filled circle in the given colour; the pen is left as it was.
void Buchse(Canvas &c, int x, int y, TColor farbe, int radius);

// A wire of the sketches: 5 px in the wire colour through the points.
void Leitung(Canvas &c, std::initializer_list<QPoint> punkte);

// A plus (red cross) or a minus (a stroke in minusFarbe), 12 px wide, pen width 3; the
// pen is left as it was.
void ZeichnePol(Canvas &c, int x, int y, bool plus, TColor minusFarbe);

// The galvanometer on a picture: its case and scale, and the needle, which is erased by
// restoring the face that was under it, so no stray line or gap is left in the scale.
class Messgeraet {
public:
    Galvanometer g;

    // Case and scale; the needle is not shown afterwards.
    void ZeichneGehaeuse(Canvas &c);
    // Remembers the instrument's area as it is now (call after everything static is drawn).
    void GrundMerken(const Canvas &c);
    // Erases the needle where it is shown and shows it at d; returns the area changed.
    QRect Anzeige(Canvas &c, double d);
    // Erases the needle if it is shown.
    QRect Verbergen(Canvas &c);

    bool sichtbar() const { return sichtbar_; }
    double wert() const { return wert_; }

private:
    QRect ZeigerKasten(double d) const;
    QImage grund_;
    QRect grundOrt_;
    bool sichtbar_ = false;
    double wert_ = 0;
};

// The continuous spectrum from 400 to 750 THz over the strip's width.
void ZeichneKontinuum(Canvas &c);
// A gas's lines on black; the chosen one wider (pen 2 × breiteIndex + 3, the others + 1).
void ZeichneLinienSpektrum(Canvas &c, const Linienspektrum &spektrum, int gewaehlt, int breiteIndex);

}  // namespace Photoeffekt

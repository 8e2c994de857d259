// What the Hallwachs window and the vacuum-photocell window compute without widgets: the
// sketch coordinates of each, their tempo values, the needle reading, and the stream of
// electrons that light releases from the metal (launch, flight, return), which both share
// with the parameters in which they differ.
#pragma once

#include "photokit.h"

#include <array>
#include <functional>

namespace Photoeffekt {

// ---- sketches ----------------------------------------------------------------------------------

struct HallwachsSkizze {
    int breite = 0, hoehe = 0;
    int rRoh = 6, r = 6, D = 13;
    int abstand = 13;  // vertical distance of the electrons, from the unclamped radius
    int plattenX = 0, ringX = 0, plattenOben = 0, plattenUnten = 0;
    int leitungY = 0, erdeY = 0;
    QPoint drehpunkt;
    int quelleX = 0, quelleHalb = 25;
    int galvBuchse = 48;  // distance of the galvanometer's sockets from the pivot
    int strahlen = 8;     // number of lamp rays
    int lampeX0 = 0;
};
HallwachsSkizze HallwachsDaten(int breite, int hoehe, int bildschirmHoehe);

struct PhotozellenSkizze {
    int breite = 0, hoehe = 0;
    int r = 6, D = 13, t = 8;  // t: glass thickness
    int galvW = 64, galvH = 80;
    int zelleLinks = 0, zelleRechts = 0, zelleMitteX = 0, zelleOben = 0, zelleUnten = 0, mitte = 0;
    int y0 = 0, saeuleUnten = 0;  // electron column
    int kathodeX = 0, startX = 0, anodeX = 0, ankunftX = 0;
    QPoint drehpunkt;
    int leitungY = 0, quelleX = 0, quelleHalb = 24;
    int lampeX0 = 0;
};
// textBreite: width of "MetallPlatte" in the picture's font.
PhotozellenSkizze PhotozellenDaten(int breite, int hoehe, int bildschirmHoehe, int schriftMittel, int textBreite);

// ---- tempo -------------------------------------------------------------------------------------

struct Tempo {
    double dt = 0;         // s per frame
    int verzoegerung = 0;  // ms
    int phasenSchritt = 0; // wave phase advance per frame
};
inline constexpr int TempoMax = 5;
Tempo HallwachsTempo(int p);
Tempo PhotozellenTempo(int p);

// ---- physics -------------------------------------------------------------------------------------

// Speed of an electron that ultraviolet light releases, in m/s (negative: to the left).
// Zinc (4,83 eV) lit with 1500 THz, as the Hallwachs window computes it with its constants.
double HallwachsUVGeschwindigkeit();
// A potassium-like layer (2,25 eV) lit with 800 THz, twice the speed, with Planck's constant h.
double PhotozellenUVGeschwindigkeit(double h);

// The needle's reading: I / 15 while ultraviolet light is on, else 0.
double Ausschlag(bool uv, bool lichtAn, int intensitaet);

// ---- the stream of electrons ----------------------------------------------------------------------

struct Stromart {
    double ruheX = 0;         // the metal surface where electrons rest
    double startX = 0;        // where a released electron starts
    double wktProI = 0.03;    // launch probability per frame and unit of intensity
    double geschwindigkeit = 0;             // speed of an electron from ultraviolet light
    double faktorBasis = 1, faktorSpanne = -0.1;  // launch speed = (basis + spanne × u) × geschwindigkeit
    bool begrenzt = false;    // false: vanish left of linkeGrenze; true: stop at the limits, then home
    double linkeGrenze = 0, rechteGrenze = 0;
};

class Elektronenstrom {
public:
    std::array<TElektron, ElektronenAnzahl> e{};
    Stromart art;
    // XOR-draws an electron (flight or rest sprite); may be empty.
    std::function<void(const TElektron &, bool flug)> zeichne;

    // Indices and heights: electron i at yOben + i × abstand; all reset (not drawn).
    void Aufstellen(double yOben, double abstand);
    void AlleZuruecksetzen();
    void Zurueck(TElektron &el);               // erase, reset, draw at rest
    void Starte(TElektron &el, double v);      // erase at rest, launch, draw in flight
    int Fliegende() const;
    // One frame's release: below the limit, with the light on, a uniform draw below
    // wktProI × I picks a free electron; only ultraviolet light launches it. Returns the
    // launched electron's index or −1.
    int Ausloesen(bool uv, bool lichtAn, int intensitaet, int grenze);
    // Moves every flying electron by one frame of dt seconds (1 px per metre and second).
    void Bewege(double dt);
    void FliegendeHeim();
    void AlleHeim();
};

}  // namespace Photoeffekt

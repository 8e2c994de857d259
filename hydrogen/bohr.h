// Bohr's atom model without widgets: orbits, the photon of a transition (colour in the
// diagram, radius), the rules that choose or refuse a transition, and the window's layout.
// Level frequencies and energies, line colours and series names are in wasserstoff.h.
#pragma once

#include "global.h"
#include "meldungstyp.h"
#include "wasserstoff.h"

#include <QRect>
#include <QString>

#include <functional>

namespace Atome {

inline constexpr int BohrBahnen = 6;     // orbits drawn
inline constexpr int BohrNiveaus = 10;   // levels in the diagram
// Angle step of the electron per frame on orbit n.
double WinkelSchritt(int n);
// Colour of a transition in the level diagram: the line's colour, white for the invisible lines.
TColor UebergangsFarbe(int nUnten, int nOben);
// Photon radius: 10 × the rounded fourth root of the transition's height in the diagram.
int PhotonRadius(int frequenzTHz, double pixelProTHz);
// Delay of the tempo position 1..5.
int BohrVerzoegerung(int position);

// The result of choosing a transition.
struct Wahl {
    bool erlaubt = false;
    bool emission = false;
    int ziel = 0;  // the new level
    MeldungsTyp typ = MeldungsTyp::Information;
    QString meldung;
};
Wahl SprungAb(int n, int t);
Wahl EmissionLinie(int n, int s, int k);
Wahl SprungAuf(int n, int t);
Wahl AbsorptionLinie(int n, int s, int k);
// The target level clamped to the orbits that exist.
int ZielBegrenzt(int t);
// Whether line k of series s ends on a drawn orbit (the limit of the line edit and the action).
bool LinieZeigbar(int s, int k);
QString ZuHochText();

// Window geometry (set at creation from the control column the window reads).
struct BohrLayout {
    int P = 0, Q = 0, l = 0, g = 0;
    double r1 = 0;  // px
    int y0 = 0;     // diagram baseline
    double s = 0;   // diagram px per THz
    QRect titel, atom, niveaus, zurueck;
    QRect panelAtom, panelEmission, panelAbsorption, panelSimulation, panelZeigeStufen, panelErgebnis, hinweis;
    bool linkeSpalte = false;  // state and run panels stand left of the pictures
};
inline constexpr int BohrPanelAtomHoehe = 73, BohrPanelEmissionHoehe = 205, BohrPanelAbsorptionHoehe = 205,
                     BohrPanelSimulationHoehe = 225;
BohrLayout BerechneBohrLayout(int breite, int hoehe, int spalteBreite, int spalteLinks, const QRect &zurueck);
// Places of the texts in the atom picture: the energies left and the numbers right of the
// orbits 2..6 on the horizontal axis (or just above it where the axis is taken), and the
// two captions below. A text that finds no free place stays an empty rectangle. groesse
// gives a text's size in the regular or the bold font.
struct AtomTexte {
    QRect energie[BohrBahnen + 1], nummer[BohrBahnen + 1], links, rechts;
};
AtomTexte AtomTextOrte(const BohrLayout &l, const std::function<QSize(const QString &, bool)> &groesse);
// The two captions under the axis, in the language shown.
QString AtomTextLinks();
QString AtomTextRechts();

// y of a level in the diagram.
int NiveauY(const BohrLayout &l, int n);
int IonisationY(const BohrLayout &l);

}  // namespace Atome

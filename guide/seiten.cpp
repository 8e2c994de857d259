#include "seiten.h"

#include <QCoreApplication>

namespace {
const Seite seiten[SeitenAnzahl] = {
    {QT_TRANSLATE_NOOP("Seiten", ": Licht: Wellen- oder Teilchenstrahlung?"),
     QT_TRANSLATE_NOOP("Seiten", "      1: Licht zeigt eine Welleneigenschaft: Interferenz"),
     BioHuygens, FensterNr::Interferenz},
    {QT_TRANSLATE_NOOP("Seiten", ": Eine weitere Welleneigenschaft?"),
     QT_TRANSLATE_NOOP("Seiten", "      2: Eine weitere Welleneigenschaft: Beugung"), KeineBiographie,
     FensterNr::Beugung3},
    {QT_TRANSLATE_NOOP("Seiten", ": Die Strahlung eines Schwarzen Körpers"),
     QT_TRANSLATE_NOOP("Seiten", "      3: Die Strahlung eines Schwarzen Körpers"), KeineBiographie,
     FensterNr::Schwarzkoerper},
    {QT_TRANSLATE_NOOP("Seiten", ": Das Planck’sche Strahlungsgesetz"),
     QT_TRANSLATE_NOOP("Seiten", "      4: Das Planck’sche Strahlungsgesetz"), BioPlanck,
     FensterNr::PlanckGesetz},
    {QT_TRANSLATE_NOOP("Seiten", ": Worum geht’s beim Photoeffekt?"),
     QT_TRANSLATE_NOOP("Seiten", "      5: Worum geht’s beim Photoeffekt?"), BioHHertz, FensterNr::Hallwachs},
    {QT_TRANSLATE_NOOP("Seiten", ": Die Photozelle"),
     QT_TRANSLATE_NOOP("Seiten", "      6: Die Photozelle"), KeineBiographie, FensterNr::Photozelle5},
    {QT_TRANSLATE_NOOP("Seiten", ": Experimente mit der Gegenfeldmethode"),
     QT_TRANSLATE_NOOP("Seiten", "      7: Experimente mit der Gegenfeldmethode"), KeineBiographie,
     FensterNr::Gegenfeld2},
    {QT_TRANSLATE_NOOP("Seiten", ": Die Einstein-Gleichung"),
     QT_TRANSLATE_NOOP("Seiten", "      8: Die Einstein-Gleichung"), BioEinstein, FensterNr::EinsteinGl},
    {QT_TRANSLATE_NOOP("Seiten", ": Photoeffekt aus der Sicht der Quantentheorie"),
     QT_TRANSLATE_NOOP("Seiten", "      9: Photoeffekt aus der Sicht der Quantentheorie"),
     KeineBiographie, FensterNr::Gegenfeld2},
    {QT_TRANSLATE_NOOP("Seiten", ": Bestimmung der Planck-Konstanten"),
     QT_TRANSLATE_NOOP("Seiten", "    10: Bestimmung der Planck-Konstanten"), KeineBiographie,
     FensterNr::PlanckKonstante2},
    {QT_TRANSLATE_NOOP("Seiten", ": Spektren von Gasen"),
     QT_TRANSLATE_NOOP("Seiten", "    11: Spektren von Gasen"), KeineBiographie, FensterNr::Spektren3D},
    {QT_TRANSLATE_NOOP("Seiten", ": Ordnung im Spektrum des Wasserstoffatoms"),
     QT_TRANSLATE_NOOP("Seiten", "    12: Ordnung im Spektrum des Wasserstoffatoms"),
     KeineBiographie, FensterNr::HSerien},
    {QT_TRANSLATE_NOOP("Seiten", ": H-Atom: vom Spektrum zum Bau"),
     QT_TRANSLATE_NOOP("Seiten", "    13: H-Atom: vom Spektrum zum Bau"), KeineBiographie, FensterNr::HAtom3},
    {QT_TRANSLATE_NOOP("Seiten", ": H-Atom: Emission und Absorption von Photonen"),
     QT_TRANSLATE_NOOP("Seiten", "    14: H-Atom: Emission und Absorption von Photonen"),
     KeineBiographie, FensterNr::HAtomProbe3},
    {QT_TRANSLATE_NOOP("Seiten", ": Franck-Hertz-Versuch: Anordnung"),
     QT_TRANSLATE_NOOP("Seiten", "    15: Franck-Hertz-Versuch – Anordnung"), BioFranck,
     FensterNr::FranckHertzAnordnung2},
    {QT_TRANSLATE_NOOP("Seiten", ": Franck-Hertz-Versuch: Experimentieren"),
     QT_TRANSLATE_NOOP("Seiten", "    16: Franck-Hertz-Versuch – Versuchsdurchführung"), BioGHertz,
     FensterNr::FranckHertz2},
    {QT_TRANSLATE_NOOP("Seiten", ": Franck-Hertz-Kurve"),
     QT_TRANSLATE_NOOP("Seiten", "    17: Franck-Hertz-Versuch – Der Auffängerstrom"), KeineBiographie,
     FensterNr::FranckHertzKurve2},
    {QT_TRANSLATE_NOOP("Seiten", ": H-Atom: Modell nach Niels Bohr"),
     QT_TRANSLATE_NOOP("Seiten", "    18: H-Atom: Modell nach Niels Bohr"), BioBohr, FensterNr::BohrAtom2},
    {QT_TRANSLATE_NOOP("Seiten", ": Materiewellen"),
     QT_TRANSLATE_NOOP("Seiten", "    19: Materiewellen – Welle-Teilchen-Dualismus"), BioDeBroglie,
     FensterNr::Doppelspalt},
    {QT_TRANSLATE_NOOP("Seiten", ": Die Heisenberg’sche Unschärferelation"),
     QT_TRANSLATE_NOOP("Seiten", "    20: Die Unschärferelation von W. Heisenberg"), BioHeisenberg,
     FensterNr::Heisenberg},
    {QT_TRANSLATE_NOOP("Seiten", ": Stehende Wellen"),
     QT_TRANSLATE_NOOP("Seiten", "    21: Nachtrag: Stehende Wellen"), KeineBiographie, FensterNr::StWellen},
    {QT_TRANSLATE_NOOP("Seiten", ": Das Atommodell der Quantenmechanik"),
     QT_TRANSLATE_NOOP("Seiten", "    22: Das Atommodell der Quantenmechanik"), BioSchroedinger,
     FensterNr::Schroedinger3},
    {QT_TRANSLATE_NOOP("Seiten", ": Quantenphysik und modernes Weltbild"),
     QT_TRANSLATE_NOOP("Seiten", "    23: Quantenphysik und modernes Weltbild"), KeineBiographie,
     FensterNr::Anzahl},
};

// "Erwin Sc&hrödinger": the S is taken by "zur &Seite 1" in the same window (in English by "&show me!").
const Biographie biographien[10] = {
    {"Huygens", QT_TRANSLATE_NOOP("Seiten", "Christiaan &Huygens"),
     "BiografieHuygens.RTF", ":/texte/guide/biografie_huygens.txt"},
    {"Planck", QT_TRANSLATE_NOOP("Seiten", "Max &Planck"),
     "BiografiePlanck.RTF", ":/texte/guide/biografie_planck.txt"},
    {"Einstein", QT_TRANSLATE_NOOP("Seiten", "Albert &Einstein"),
     "BiografieEinstein.RTF", ":/texte/guide/biografie_einstein.txt"},
    {"Franck", QT_TRANSLATE_NOOP("Seiten", "James &Franck"),
     "BiografieFranck.RTF", ":/texte/guide/biografie_franck.txt"},
    {"GHertz", QT_TRANSLATE_NOOP("Seiten", "Gustav &Hertz"),
     "BiografieGHertz.RTF", ":/texte/guide/biografie_ghertz.txt"},
    {"Bohr", QT_TRANSLATE_NOOP("Seiten", "Niels &Bohr"),
     "BiografieBohr.RTF", ":/texte/guide/biografie_bohr.txt"},
    {"DeBroglie", QT_TRANSLATE_NOOP("Seiten", "Louis-Victor de &Broglie"),
     "BiografieDeBroglie.RTF", ":/texte/guide/biografie_debroglie.txt"},
    {"Heisenberg", QT_TRANSLATE_NOOP("Seiten", "Werner &Heisenberg"),
     "BiografieHeisenberg.RTF", ":/texte/guide/biografie_heisenberg.txt"},
    {"Schroedinger", QT_TRANSLATE_NOOP("Seiten", "Erwin Sc&hrödinger"),
     "BiografieSchroedinger.RTF", ":/texte/guide/biografie_schroedinger.txt"},
    {"HHertz", QT_TRANSLATE_NOOP("Seiten", "Heinrich Hertz"),
     "BiografieHHertz.RTF", ":/texte/guide/biografie_hhertz.txt"},
};
}  // namespace

const Seite &SeiteNr(int n)
{
    if (n < 1)
        n = 1;
    if (n > SeitenAnzahl)
        n = SeitenAnzahl;
    return seiten[n - 1];
}

const Biographie &BiographieVon(int n) { return biographien[n < 0 || n > 9 ? 0 : n]; }

QString SeitenTitel(int n) { return QCoreApplication::translate("Seiten", SeiteNr(n).titel); }

QString SeitenListeneintrag(int n) { return QCoreApplication::translate("Seiten", SeiteNr(n).listeneintrag); }

QString BiographieKnopf(int n) { return QCoreApplication::translate("Seiten", BiographieVon(n).knopf); }

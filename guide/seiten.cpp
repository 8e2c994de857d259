#include "seiten.h"

namespace {
const Seite seiten[SeitenAnzahl] = {
    {": Licht: Wellen- oder Teilchenstrahlung?", "      1: Licht zeigt eine Welleneigenschaft: Interferenz",
     BioHuygens, FensterNr::Interferenz},
    {": Eine weitere Welleneigenschaft?", "      2: Eine weitere Welleneigenschaft: Beugung", KeineBiographie,
     FensterNr::Beugung3},
    {": Die Strahlung eines Schwarzen Körpers", "      3: Die Strahlung eines Schwarzen Körpers", KeineBiographie,
     FensterNr::Schwarzkoerper},
    {": Das Planck’sche Strahlungsgesetz", "      4: Das Planck’sche Strahlungsgesetz", BioPlanck,
     FensterNr::PlanckGesetz},
    {": Worum geht’s beim Photoeffekt?", "      5: Worum geht’s beim Photoeffekt?", BioHHertz, FensterNr::Hallwachs},
    {": Die Photozelle", "      6: Die Photozelle", KeineBiographie, FensterNr::Photozelle5},
    {": Experimente mit der Gegenfeldmethode", "      7: Experimente mit der Gegenfeldmethode", KeineBiographie,
     FensterNr::Gegenfeld2},
    {": Die Einstein-Gleichung", "      8: Die Einstein-Gleichung", BioEinstein, FensterNr::EinsteinGl},
    {": Photoeffekt aus der Sicht der Quantentheorie", "      9: Photoeffekt aus der Sicht der Quantentheorie",
     KeineBiographie, FensterNr::Gegenfeld2},
    {": Bestimmung der Planck-Konstanten", "    10: Bestimmung der Planck-Konstanten", KeineBiographie,
     FensterNr::PlanckKonstante2},
    {": Spektren von Gasen", "    11: Spektren von Gasen", KeineBiographie, FensterNr::Spektren3D},
    {": Ordnung im Spektrum des Wasserstoffatoms", "    12: Ordnung im Spektrum des Wasserstoffatoms",
     KeineBiographie, FensterNr::HSerien},
    {": H-Atom: vom Spektrum zum Bau", "    13: H-Atom: vom Spektrum zum Bau", KeineBiographie, FensterNr::HAtom3},
    {": H-Atom: Emission und Absorption von Photonen", "    14: H-Atom: Emission und Absorption von Photonen",
     KeineBiographie, FensterNr::HAtomProbe3},
    {": Franck-Hertz-Versuch: Anordnung", "    15: Franck-Hertz-Versuch – Anordnung", BioFranck,
     FensterNr::FranckHertzAnordnung2},
    {": Franck-Hertz-Versuch: Experimentieren", "    16: Franck-Hertz-Versuch – Versuchsdurchführung", BioGHertz,
     FensterNr::FranckHertz2},
    {": Franck-Hertz-Kurve", "    17: Franck-Hertz-Versuch – Der Auffängerstrom", KeineBiographie,
     FensterNr::FranckHertzKurve2},
    {": H-Atom: Modell nach Niels Bohr", "    18: H-Atom: Modell nach Niels Bohr", BioBohr, FensterNr::BohrAtom2},
    {": Materiewellen", "    19: Materiewellen – Welle-Teilchen-Dualismus", BioDeBroglie, FensterNr::Doppelspalt},
    {": Die Heisenberg’sche Unschärferelation", "    20: Die Unschärferelation von W. Heisenberg", BioHeisenberg,
     FensterNr::Heisenberg},
    {": Stehende Wellen", "    21: Nachtrag: Stehende Wellen", KeineBiographie, FensterNr::StWellen},
    {": Das Atommodell der Quantenmechanik", "    22: Das Atommodell der Quantenmechanik", BioSchroedinger,
     FensterNr::Schroedinger3},
    {": Quantenphysik und modernes Weltbild", "    23: Quantenphysik und modernes Weltbild", KeineBiographie,
     FensterNr::Anzahl},
};

// "Erwin Sc&hrödinger": the S is taken by "zur &Seite 1" in the same window.
const Biographie biographien[10] = {
    {"Huygens", "Christiaan &Huygens", "BiografieHuygens.RTF", ":/texte/guide/biografie_huygens.txt"},
    {"Planck", "Max &Planck", "BiografiePlanck.RTF", ":/texte/guide/biografie_planck.txt"},
    {"Einstein", "Albert &Einstein", "BiografieEinstein.RTF", ":/texte/guide/biografie_einstein.txt"},
    {"Franck", "James &Franck", "BiografieFranck.RTF", ":/texte/guide/biografie_franck.txt"},
    {"GHertz", "Gustav &Hertz", "BiografieGHertz.RTF", ":/texte/guide/biografie_ghertz.txt"},
    {"Bohr", "Niels &Bohr", "BiografieBohr.RTF", ":/texte/guide/biografie_bohr.txt"},
    {"DeBroglie", "Louis-Victor de &Broglie", "BiografieDeBroglie.RTF", ":/texte/guide/biografie_debroglie.txt"},
    {"Heisenberg", "Werner &Heisenberg", "BiografieHeisenberg.RTF", ":/texte/guide/biografie_heisenberg.txt"},
    {"Schroedinger", "Erwin Sc&hrödinger", "BiografieSchroedinger.RTF", ":/texte/guide/biografie_schroedinger.txt"},
    {"HHertz", "Heinrich Hertz", "BiografieHHertz.RTF", ":/texte/guide/biografie_hhertz.txt"},
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

// The guide's page table: titles, list entries, portraits, the window each page opens
// and the biography that belongs to it.
#pragma once

#include "fensterregister.h"

#include <QString>

inline constexpr int SeitenAnzahl = 23;
inline constexpr int KeineBiographie = 10;

// Biography numbers (also the index of the portrait panels).
enum BiographieNummer {
    BioHuygens, BioPlanck, BioEinstein, BioFranck, BioGHertz, BioBohr, BioDeBroglie, BioHeisenberg,
    BioSchroedinger, BioHHertz
};

struct Seite {
    const char *titel;         // title panel text after "  Seite <n>"
    const char *listeneintrag; // entry of the page list
    int foto;                  // biography number of the portrait shown, or KeineBiographie
    FensterNr fenster;         // the window "zeig’s mir!" opens, or FensterNr::Anzahl
};

// Page n (1..23).
const Seite &SeiteNr(int n);
// Its title and list entry in the language in use.
QString SeitenTitel(int n);
QString SeitenListeneintrag(int n);

struct Biographie {
    const char *kurz;        // portrait and resource name, e.g. "Planck"
    const char *knopf;       // caption of the portrait's button
    const char *datei;       // file in the text directory
    const char *ressource;   // built-in text
};
const Biographie &BiographieVon(int n);
// The caption of its button in the language in use.
QString BiographieKnopf(int n);

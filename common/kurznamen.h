// The short German names of the simulation windows (for the command line and for the
// names the export proposes) and their subjects, keyed by class name.
#pragma once

#include <QString>

struct Kurzname {
    const char *klasse;  // e.g. "TFormSchwarzkoerper"
    const char *kurz;    // e.g. "Schwarzkoerper" (ASCII, no blanks)
    const char *thema;   // e.g. "Strahlung eines schwarzen Körpers"
};

inline constexpr int KurznamenAnzahl = 21;
extern const Kurzname Kurznamen[KurznamenAnzahl];

// The short name of a window class; the class name without its "TForm" when it has none.
QString KurznameVon(const QString &klasse);
// The class name of a short name, ignoring case; ä, ö, ü and ß may stand for ae, oe, ue
// and ss. Empty when there is none.
QString KlasseVonKurzname(const QString &name);

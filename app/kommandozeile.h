// The command line: --help, --version, --seite N, --fenster NAME, --textverzeichnis DIR,
// --sprache de|en (--language) and --zuruecksetzen (--reset). It is read before the application object exists, so that
// help, version and errors need no screen; Qt's own options (-platform, -style, …) pass.
// Errors go to stderr with exit status 2; they, and the help, speak the language given or kept.
#pragma once

#include "fensterregister.h"
#include "sprache.h"

#include <QString>
#include <QStringList>

struct Aufruf {
    enum class Art { Starten, Hilfe, Version, Fehler };
    Art art = Art::Starten;
    int seite = 0;            // guide page to open, 0: none
    FensterNr fenster = FensterNr::Anzahl;  // simulation window to open, Anzahl: none
    QString textverzeichnis;  // as given, empty: none
    bool zuruecksetzen = false;
    std::optional<Sprache> sprache;  // --sprache / --language; none: not given
    QString meldung;          // what is wrong (Fehler)

    // Exit status when the program ends at once: 0 after help and version, 2 on an error.
    int status() const { return art == Art::Fehler ? 2 : 0; }
};

// argumente: as in argv, the program name first.
Aufruf KommandozeileAuswerten(const QStringList &argumente);
QString HilfeText(Sprache sprache = Sprache::Deutsch);
QString VersionText();

// The short names of the windows this program has, in the order of the guide.
QStringList VerfuegbareFenster();

// Once every window exists: opens the guide at the page asked for and the window asked
// for on top of it (at the window's page when no page is given).
void KommandozeileAnwenden(const Aufruf &aufruf);

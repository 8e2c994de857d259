// What the program keeps between runs, in the platform's config folder: the text
// directory, "Texte erst zur Laufzeit erstellen", "Computer, sei stad!" and the folder of
// the last export; and where the text directory is looked for when none is chosen.
#pragma once

#include <QString>
#include <QStringList>

// <config folder>/Quantenpfad/Quantenpfad.conf
QString EinstellungenDatei();

struct Einstellungen {
    QString textverzeichnis;  // chosen by the user; empty: none
    bool texteZurLaufzeit = false;
    bool computerStill = false;
    QString exportOrdner;     // empty: none used yet
    QString sprache;          // "de" or "en" as chosen by the user; empty: none chosen
};

Einstellungen EinstellungenLaden();
void EinstellungenSpeichern(const Einstellungen &e);
// Forgets everything kept (the file is removed).
void EinstellungenVergessen();

// The folder of the last export, or the user's pictures (documents, home) folder.
QString ExportOrdner();
void ExportOrdnerMerken(const QString &ordner);

// The places "QuantenTexte" is looked for, in order: in the start directory, in the
// per-user data folder (~/.local/share/Quantenpfad/QuantenTexte), in the system data
// folders (/usr/share/quantenpfad/QuantenTexte, …) and in the data folder of the
// installation. Absolute, each ending in '/'.
QStringList TextverzeichnisOrte(const QString &startverzeichnis);
// The first of these places that is a directory; the one in the start directory when
// none is (the texts are then the built-in ones).
QString TextverzeichnisSuchen(const QString &startverzeichnis);

// A directory as TextPfad holds it: absolute, ending in '/'.
QString AlsTextPfad(const QString &verzeichnis);

// The information window's text page: replaces the mark @TEXTVERZEICHNIS@ in its markup
// with a sentence naming the directory TextPfad points to now, and whether it exists.
QString TextverzeichnisEinsetzen(const QString &markup);

// The styles of the built-in texts: colours, sizes and indents in which the windows' texts differ.
#pragma once

#include "global.h"

#include <QString>

#include <optional>

// Everything in which the built-in texts of the windows differ. Sizes in points.
struct TextStil {
    TColor farbe = 0x000000;
    int groesse = 12;
    QString schrift = QStringLiteral("Comic Sans MS");
    TColor hintergrund = 0xFFFFFF;
    TColor hervorhebung1 = 0x000000;
    bool hervorhebung1Fett = false;
    TColor hervorhebung2 = 0x000000;
    bool hervorhebung2Fett = false;
    int kapitelGroesse = 14;
    TColor kapitelFarbe = 0x000000;
    int abschnittGroesse = 12;
    TColor abschnittFarbe = 0x000000;
    TColor kleineUeberschriftFarbe = 0x000000;
    TColor bemerkungFarbe = 0x666666;  // grey, still 4.5 : 1 on the light backgrounds
    TColor aufforderungFarbe = 0x000000;
    int ersterEinzug = 8, linkerEinzug = 0, rechterEinzug = 8;
    int abstandGroesse = 6;  // the blank line between paragraphs
    int listeErsterEinzug = 16, listeLinkerEinzug = 20;
    int nummerErsterEinzug = 16, nummerLinkerEinzug = 24;
    int kapitelAbstand = 8;  // size of the blank line after a chapter title
    int zentriertGroesse = 0;  // size of centred lines; 0 = the base size
    std::optional<TColor> listeFarbe;  // colour of list items; none = the base colour
};

// The styles of the windows; they read the shared colours and font sizes when called.
TextStil StilHinweis();     // hint panels
TextStil StilErgebnis();    // result panels
TextStil StilText2();       // the text panels in the second colour scheme
TextStil StilTheorie();     // guide pages
TextStil StilBiographie();  // biographies in the guide
TextStil StilInfo();        // information window

// The prompt line of the guide's texts.
extern const QString AufforderungsText;
extern const QString AufforderungsTextEnglisch;  // the same in the English edition
